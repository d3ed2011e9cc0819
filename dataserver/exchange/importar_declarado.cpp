// Record 2 of a submission file or of a file of declared entries: one entry
// of the current declaration.
#include <utility>

#include "db/cdeclarado.h"
#include "db/conexion_dao.h"
#include "exchange/buffer_errores.h"
#include "exchange/cimportacion.h"
#include "exchange/claves_importacion.h"
#include "exchange/disenos_presentacion.h"
#include "exchange/numero_estricto.h"
#include "exchange/pasos_validacion.h"
#include "exchange/registros.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {

using Importacion::pasos::Puesto;
using Importacion::pasos::VistaTexto;

using namespace Importacion::resultado;

// Finding of an entry without a declaration to go to: the declaration could
// not be created.
constexpr int32_t kHallazgoSinDeclaracion = 31;
constexpr int32_t kEjercicioNoNumerico = 43;
// Findings of a submission file's record 2: no record 1 before it, and a
// declarant NIF that is not its record 1's.
constexpr int32_t kHallazgoSinDeclarante = 68;
constexpr int32_t kHallazgoOtroDeclarante = 69;
// A line that lacks the required length.
constexpr int32_t kHallazgoLongitud = 24;

// A record 2 that cannot hold its declarant's NIF holds nothing else worth
// judging: any other finding on it would only mislead.
bool SinNifEntero(const std::string& linea) {
    const Campo& nif = kDisenoRegistro2_2010.campo(campo::kNif);
    return rt::Len(linea) < nif.inicio + nif.ancho - 1;
}

// A short line reads as if blank-filled to the longest layout.
std::string Rellenada(const std::string& linea) {
    int32_t largo = rt::Len(linea);
    return largo >= kLargoRegistro2010 ? linea : linea + rt::Space(kLargoRegistro2010 - largo);
}

// The cutters read an amount of digits and "-" more loosely and turn a
// rectified exercise that does not read into 0; here either stands as it was
// read, for the checks to refuse the line.
void LecturaEstricta(rt::Variant& v, const std::string& linea, const Diseno& diseno) {
    const std::string importe = Cortar(diseno, linea, campo::kBase);
    if (!Importacion::NumeroEstricto(importe)) v(5, 0) = rt::Trim(importe);
    const std::string rectificado = rt::Trim(Cortar(diseno, linea, campo::kEjercicioRectificado));
    if (!rectificado.empty() && !Importacion::EnteroEstricto(rectificado)) v(8, 0) = rectificado;
}

}  // namespace

Importacion::DeclaracionDestino cImportacion::Destino(int32_t lngEjercicio) const {
    Importacion::DeclaracionDestino d;
    d.mdblec = mdblec_;
    d.mdbmod = mdbmod_;
    d.ejercicioMax = ejercicioMax_;
    d.ejercicioMin = ejercicioMin_;
    d.declaracion = declaracion_;
    d.periodo = periodo_;
    d.ejercicio = lngEjercicio;
    d.periodicidad = periodicidad_;
    return d;
}

bool cImportacion::ComprobarDeclaranteEnVigor(const std::string& strLinea,
                                              rt::Variant& vBufferErrores) {
    const std::string nif = rt::Trim(Cortar(kDisenoRegistro2_2010, strLinea, campo::kNif));
    Importacion::BufferErrores errores;
    if (declaracion_ == 0) {
        errores.Agregar(kHallazgoSinDeclarante, nif);
    } else {
        // The record 1 found its declarant by the whole NIF, letter case aside.
        // The lines of one declaration ask the same; inside the run's
        // transaction the answer is looked for once.
        UsoBD uso(bd794mod, mdbmod_);
        if (!uso.base().findsRow("SELECT 1 FROM TDeclaraciones JOIN TDeclarante ON coddec = coddecr "
                                 "WHERE coddecla = ? AND trim(dni_cifd) = ? COLLATE NOCASE",
                                 declaracion_, nif))
            errores.Agregar(kHallazgoOtroDeclarante, nif);
    }
    if (errores.Vacio()) return true;
    vBufferErrores = errores.Matriz();
    return false;
}

void cImportacion::ImportarRegistro2(const std::string& strLinea, int32_t lngEjercicio,
                                     bool blnEjercicioDeLinea, rt::Variant& vBufferErrores,
                                     bool blnDeclaranteEnVigor) {
    const std::string linea = Rellenada(strLinea);
    // The duplicate check and the store are one unit; the store is the
    // line's one write and its last step. The unit comes first: a failed
    // commit of the run's earlier lines is told before this line is judged
    // against a declaration that may have gone with them.
    UnidadDeLinea unidad(mdbmod_, false, true);
    if (SinNifEntero(strLinea)) {
        Importacion::BufferErrores errores;
        errores.Agregar(kHallazgoLongitud);
        vBufferErrores = errores.Matriz();
        resultado_ = kErroresCampos;
        return;
    }
    if (blnDeclaranteEnVigor && !ComprobarDeclaranteEnVigor(linea, vBufferErrores)) {
        resultado_ = kErroresCampos;
        return;
    }
    Importacion::BufferErrores errores;
    const std::string textoEjercicio = rt::Mid(linea, 5, 4);
    auto ejercicioLinea = Importacion::EnteroEstricto(textoEjercicio);
    if (declaracion_ == 0)
        errores.Agregar(kHallazgoSinDeclaracion, rt::Trim(rt::Mid(linea, 13, 9)));
    else if (!ejercicioLinea)
        errores.Agregar(kEjercicioNoNumerico, textoEjercicio);
    if (!errores.Vacio()) {
        vBufferErrores = errores.Matriz();
        resultado_ = kErroresCampos;
        return;
    }
    const int32_t ejercicio = blnEjercicioDeLinea ? *ejercicioLinea : lngEjercicio;
    resultado_ = ejercicio < 2010
                     ? ImportarDeclaradoAnt(linea, *ejercicioLinea, ejercicio, vBufferErrores)
                     : ImportarDeclarado2010(linea, *ejercicioLinea, ejercicio, vBufferErrores);
}

uint8_t cImportacion::ImportarDeclaradoAnt(std::string strLinea, int32_t lngEjercicioLinea,
                                           int32_t lngEjercicio, rt::Variant& vBufferErrores) {
    strLinea = Importacion::LineaParaDeclaracionAnterior(strLinea, lngEjercicioLinea);
    vBufferErrores = Importacion::ValidarCaracteres(strLinea);
    if (!Importacion::EstaLibre(vBufferErrores)) return kCaracteres;

    rt::Variant valores = Importacion::ObtenerValoresDeclarado(strLinea, convertir_);
    LecturaEstricta(valores, strLinea, kDisenoRegistro2Ant);
    vBufferErrores = Importacion::ValidarDeclarado(valores, Importacion::kLimiteDeclarado,
                                                   Destino(lngEjercicio));
    if (!Importacion::EstaLibre(vBufferErrores)) return kErroresCampos;
    return GuardarDeclarado(valores);
}

uint8_t cImportacion::ImportarDeclarado2010(std::string strLinea, int32_t lngEjercicioLinea,
                                            int32_t lngEjercicio, rt::Variant& vBufferErrores) {
    strLinea = Importacion::LineaParaDeclaracion2010(strLinea, lngEjercicioLinea, lngEjercicio,
                                                     periodo_);
    vBufferErrores = Importacion::ValidarCaracteres(strLinea);
    if (!Importacion::EstaLibre(vBufferErrores)) return kCaracteres;

    const std::string enPosiciones = Importacion::EnPosiciones2010(strLinea, lngEjercicioLinea);
    rt::Variant valores = Import2010::ObtenerValoresDeclarado2010(enPosiciones);
    LecturaEstricta(valores, enPosiciones, kDisenoRegistro2_2010);
    vBufferErrores = Importacion::ValidarDeclarado2010(
        valores, Importacion::kLimiteDeclarado2010, Destino(lngEjercicio));
    if (!Importacion::EstaLibre(vBufferErrores)) return kErroresCampos;
    return GuardarDeclarado(valores);
}

uint8_t cImportacion::GuardarDeclarado(const rt::Variant& v) {
    static constexpr Puesto kPuestos[] = {
        {"Pais", 2},      {"NIF", 3},        {"Nombre", 4},      {"ClaveOpe", 5},
        {"Importe", 6},   {"Signo", 7},      {"Periodo", 8},     {"Ejercicio", 9},
        {"Triangular", 10}, {"tipoopo", 11}, {"Periodicidad", 12}};
    rt::VArray entrada(0, 12);
    entrada.at(0) = 0;
    entrada.at(1) = declaracion_;
    Importacion::pasos::Repartir(v, kPuestos, entrada);
    entrada.at(4) = rt::Trim(VistaTexto(entrada.at(4)));
    cDeclarado declarados;
    declarados.mdbmod(mdbmod_);
    declarados.GuardarEnTransaccion(std::move(entrada));
    return kGuardado;
}

}  // namespace quelvodat
