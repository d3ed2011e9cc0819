#include "exchange/cimportacion.h"

#include "db/cdeclaraciones.h"
#include "db/conexion_dao.h"
#include "exchange/buffer_errores.h"
#include "exchange/conversion_estatal.h"
#include "exchange/ctimpexp.h"
#include "exchange/linea_declarante.h"
#include "exchange/numero_estricto.h"
#include "exchange/pasos_validacion.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {

constexpr uint8_t kSujetoRegistro0 = 0;
constexpr uint8_t kSujetoRegistro1 = 1;
constexpr uint8_t kSujetoRegistro2 = 3;
constexpr uint8_t kSujetoDesconocido = 5;
// The last exercise whose declarations could be made in pesetas.
constexpr int32_t kUltimoEjercicioEnPesetas = 2001;

// The values of a checked declarant-file line as one array (0 To 17),
// element i the value of field i.
rt::Variant Plano(const rt::Variant& vBufferValores, int32_t lngCodigo) {
    rt::VArray plano(0, rt::UBound(vBufferValores, 1));
    for (int32_t i = 1; i <= rt::UBound(vBufferValores, 1); ++i)
        plano.at(i) = vBufferValores(i, 0);
    plano.at(0) = lngCodigo;
    return plano;
}

}  // namespace

void cImportacion::declaracion(const std::string& valor) { declaracion_ = rt::CLng(valor); }

void cImportacion::IniciarImportacion() {
    ConUbicacion("cImportacion.IniciarImportacion", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        uso.conexion().IniciarLote();
    });
}

void cImportacion::TerminarImportacion() {
    ConUbicacion("cImportacion.TerminarImportacion", [] { ConexionCompartida().TerminarLote(); });
}

void cImportacion::ConfirmarImportacion() {
    ConUbicacion("cImportacion.ConfirmarImportacion", [] { ConexionCompartida().ConfirmarLote(); });
}

uint8_t cImportacion::importDte(const std::string& strLineaLectura, rt::Variant& vBufferValores,
                                rt::Variant& vBufferErrores) {
    vBufferErrores = Importacion::SinHallazgos();
    std::string linea = strLineaLectura;
    vBufferErrores = Importacion::ValidarCaracteres(linea);
    if (!Importacion::EstaLibre(vBufferErrores)) return Importacion::resultado::kCaracteres;

    rt::Variant valores = Importacion::ObtenerValoresDte(linea);
    vBufferValores = valores;
    vBufferErrores = Importacion::ValidarDte(valores, Importacion::kLimiteDte);
    if (!Importacion::EstaLibre(vBufferErrores)) return Importacion::resultado::kErroresCampos;

    UnidadDeLinea unidad(mdbmod_, false);
    int32_t codigo = BuscarDeclarante(rt::Trim(Importacion::pasos::Texto(valores(1, 0))));
    vBufferValores = Plano(valores, codigo);
    if (codigo > 0) return Importacion::resultado::kExistente;
    GuardarDeclarante(valores);
    return Importacion::resultado::kGuardado;
}

char cImportacion::PrepararLinea(const std::string& strLineaLectura, bool blnEstatal,
                                 std::string& linea, rt::Variant& vBufferErrores) {
    vBufferErrores = Importacion::SinHallazgos();
    linea = blnEstatal
                ? ConvDelEstatal::ConvertirLineaEstatal(strLineaLectura, periodo_, periodicidad_)
                : strLineaLectura;
    if (!Importacion::ComprobarTipoRegistro(linea)) {
        sujeto_ = kSujetoDesconocido;
        return kNoSeImporta;
    }
    if (linea[0] == '0') {
        sujeto_ = kSujetoRegistro0;
        return kNoSeImporta;
    }
    return linea[0];
}

void cImportacion::importSpte(const std::string& strLineaLectura, rt::Variant& vBufferErrores,
                              bool blnEstatal) {
    std::string linea;
    switch (PrepararLinea(strLineaLectura, blnEstatal, linea, vBufferErrores)) {
        case kNoSeImporta:
            return;
        case '1':
            sujeto_ = kSujetoRegistro1;
            resultado_ = ImportarDte_Cion(linea, vBufferErrores);
            // Amounts of a file that this system did not write may be in
            // pesetas, but only up to 2001: from 2002 every declaration is in
            // euros. Only a declaration that exists decides.
            if (resultado_ <= 2 && !rechazarDeclaracion_) {
                cDeclaraciones declaraciones;
                declaraciones.mdbmod(mdbmod_);
                convertir_ = rt::Mid(linea, 165, 3) != "785" &&
                             Importacion::EnteroEstricto(rt::Mid(linea, 5, 4)).value_or(0) <=
                                 kUltimoEjercicioEnPesetas &&
                             declaraciones.ObtenerMonedaDcion(declaracion_) == "E";
            } else {
                convertir_ = false;
            }
            return;
        default:
            sujeto_ = kSujetoRegistro2;
            if (rechazarDeclaracion_) {
                resultado_ = Importacion::resultado::kDeclaranteSinCambio;
                return;
            }
            ImportarRegistro2(linea, 0, true, vBufferErrores, true);
            return;
    }
}

void cImportacion::importDeclarado(const std::string& strLineaLectura, rt::Variant& vBufferErrores,
                                   bool blnEstatal, int32_t /*lngDeclaracion*/,
                                   int32_t lngEjercicio) {
    std::string linea;
    switch (PrepararLinea(strLineaLectura, blnEstatal, linea, vBufferErrores)) {
        case kNoSeImporta:
            return;
        case '1':
            sujeto_ = kSujetoRegistro1;
            convertir_ = false;
            return;
        default:
            sujeto_ = kSujetoRegistro2;
            if (resultado_ == Importacion::resultado::kSinDeclaracion) {
                resultado_ = Importacion::resultado::kDeclaranteSinCambio;
                return;
            }
            ImportarRegistro2(linea, lngEjercicio, false, vBufferErrores);
            return;
    }
}

rt::Variant cImportacion::ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                             const std::string& strMoneda) {
    return ConUbicacion("cImportacion.ObtenerDeclarantes", [&] {
        UsoBD uso(bd794mod, mdbmod_);
        return cTImpExp().ObtenerDeclarantes(lngEjercicio, btePeriodo, strMoneda);
    });
}

QUELVO_CREATABLE(cImportacion)

}  // namespace quelvodat
