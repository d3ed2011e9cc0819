// Record 1 of a submission file: its declarant and a new declaration.
#include "db/cdeclaraciones.h"
#include "db/cdeclarante.h"
#include "db/conexion_dao.h"
#include "db/general.h"
#include "exchange/buffer_errores.h"
#include "exchange/cimportacion.h"
#include "exchange/numero_estricto.h"
#include "exchange/pasos_validacion.h"
#include "exchange/registros.h"
#include "exchange/solape_declaraciones.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {

using Importacion::pasos::Texto;
using Importacion::pasos::Valor;

using namespace Importacion::resultado;

// A record 1 cut into ValoresDteCion. An exercise that does not read is cut
// as 0000 (so the cut cannot fail) and put back as it stood, for the checks
// to refuse.
rt::Variant CortarDteCion(const std::string& linea) {
    const std::string ejercicio = rt::Mid(linea, 5, 4);
    if (Importacion::EnteroEstricto(ejercicio)) return Importacion::ObtenerValoresDteCion(linea);
    std::string legible = rt::Left(linea, 4) + "0000" + rt::Mid(linea, 9);
    rt::Variant valores = Importacion::ObtenerValoresDteCion(legible);
    valores(16, 0) = ejercicio;
    return valores;
}

// The month and periodicity of a period code; nothing for a code of no period.
bool PeriodoDeCodigo(const std::string& codigo, int32_t& mes, int32_t& periodicidad) {
    auto m = Importacion::EnteroEstricto(General::MesDePeriodo(codigo));
    if (!m || *m < 1 || *m > 12) return false;
    mes = *m;
    periodicidad = General::PeriodicidadDePeriodo(codigo);
    return true;
}

}  // namespace

int32_t cImportacion::BuscarDeclarante(const std::string& strNif) {
    if (strNif.empty()) return 0;
    UsoBD uso(bd794mod, mdbmod_);
    // The whole NIF, letter case aside: a shorter NIF is another declarant.
    // The index TDeclarante_nif is on exactly this expression.
    auto st = uso.base().prepare(
        "SELECT coddec FROM TDeclarante WHERE trim(dni_cifd) = ? COLLATE NOCASE "
        "ORDER BY coddec LIMIT 1");
    st.bind(1, strNif);
    return st.step() ? rt::CLng(st.column(0)) : 0;
}

int32_t cImportacion::GuardarDeclarante(const rt::Variant& v) {
    static constexpr Importacion::pasos::Puesto kPuestos[] = {
        {"NIF", 1},       {"Nombre", 2},     {"Siglas", 3},    {"Domicilio", 4},
        {"Numero", 5},    {"Letra", 6},      {"Escalera", 7},  {"Piso", 8},
        {"Mano", 9},      {"Provincia", 10}, {"CP", 11},       {"Municipio", 12},
        {"Telefono", 13}, {"NombrePD", 14},  {"TelefonoPD", 15}};
    rt::VArray guardado(0, 15);
    guardado.at(0) = 0;
    Importacion::pasos::Repartir(v, kPuestos, guardado);
    for (int32_t i = 1; i <= 15; ++i) {
        rt::Variant& valor = guardado.at(i);
        if (valor.isString()) valor = rt::Trim(valor.str());
    }
    cDeclarante declarantes;
    declarantes.mdbmod(mdbmod_);
    return declarantes.GuardarDeclarante(guardado);
}

void cImportacion::ActualizarNombre(int32_t lngCodigo, const std::string& strNombre) {
    cDeclarante declarantes;
    declarantes.mdbmod(mdbmod_);
    rt::Variant cargado;
    declarantes.CargarDeclarante(lngCodigo, cargado);
    const std::string nombre = rt::Trim(strNombre);
    if (rt::Trim(Texto(cargado(2))) == General::EscaparComillas(nombre)) return;

    // The stored record as it is, in the save order, with only the name new.
    rt::VArray guardado(0, 15);
    for (int32_t i = 0; i <= 15; ++i) guardado.at(i) = cargado(i);
    guardado.at(2) = nombre;
    guardado.at(13) = cargado(14);
    guardado.at(14) = cargado(13);
    declarantes.GuardarDeclarante(guardado);
}

void cImportacion::GuardarDeclaracionImp(const rt::Variant& v, int32_t lngDeclarante) {
    const int32_t ejercicio = *Importacion::EnteroDeValor(Valor(v, "Ejercicio"));
    int32_t mes = 0, periodicidad = 0;
    PeriodoDeCodigo(Texto(Valor(v, "Periodo")), mes, periodicidad);
    cDeclaraciones declaraciones;
    declaraciones.mdbmod(mdbmod_);
    declaracion_ = declaraciones.GuardarDeclaracion(
        ejercicio, "E", static_cast<uint8_t>(mes), lngDeclarante,
        static_cast<uint8_t>(periodicidad), rt::Trim(Texto(Valor(v, "Bimensual"))));
    periodo_ = static_cast<uint8_t>(mes);
    periodicidad_ = static_cast<uint8_t>(periodicidad);
}

uint8_t cImportacion::ImportarDte_Cion(const std::string& strLineaLectura,
                                       rt::Variant& vBufferErrores) {
    vBufferErrores = Importacion::SinHallazgos();
    // Entries that follow go nowhere until this record's declaration exists.
    declaracion_ = 0;
    rechazarDeclaracion_ = true;

    std::string linea = strLineaLectura;
    vBufferErrores = Importacion::ValidarCaracteres(linea);
    if (!Importacion::EstaLibre(vBufferErrores)) return kCaracteres;
    const rt::Variant valores = CortarDteCion(linea);
    vBufferErrores = Importacion::ValidarDte(valores, Importacion::kLimiteDteCion);
    if (!Importacion::EstaLibre(vBufferErrores)) return kErroresCampos;
    // The lookup, the checks against the stored declarations and the stores
    // are one unit: another process sees all of it or none.
    UnidadDeLinea unidad(mdbmod_, true);
    const int32_t declarante = BuscarDeclarante(rt::Trim(Texto(Valor(valores, "NIF"))));
    if (!ComprobarDeclaracion(valores, vBufferErrores, declarante)) return kSinDeclaracion;
    const uint8_t resultado = GuardarDte_Cion(valores, declarante);
    unidad.Confirmar();
    rechazarDeclaracion_ = false;
    return resultado;
}

uint8_t cImportacion::GuardarDte_Cion(const rt::Variant& valores, int32_t codigo) {
    const std::string nif = rt::Trim(Texto(Valor(valores, "NIF")));
    uint8_t resultado = kGuardado;
    if (codigo == 0) {
        codigo = GuardarDeclarante(valores);
    } else if (rt::Len(nif) == 9) {
        ActualizarNombre(codigo, Texto(Valor(valores, "Nombre")));
        resultado = kExistente;
    } else {
        resultado = kDeclaranteSinCambio;
    }
    GuardarDeclaracionImp(valores, codigo);
    return resultado;
}

bool cImportacion::ComprobarDeclaracion(const rt::Variant& vBufferValores,
                                        rt::Variant& vBufferErrores) {
    return ComprobarDeclaracion(vBufferValores, vBufferErrores, std::nullopt);
}

bool cImportacion::ComprobarDeclaracion(const rt::Variant& vBufferValores,
                                        rt::Variant& vBufferErrores,
                                        std::optional<int32_t> declarante) {
    Importacion::BufferErrores errores;
    const rt::Variant valorEjercicio = Valor(vBufferValores, "Ejercicio");
    auto ejercicio = Importacion::EnteroDeValor(valorEjercicio);
    int32_t mes = 0, periodicidad = 0;
    if (!ejercicio) {
        errores.Agregar(43, Texto(valorEjercicio));
    } else if (*ejercicio < ejercicioMin_ || *ejercicio > ejercicioMax_) {
        errores.Agregar(44, std::to_string(*ejercicio));
    } else if (!PeriodoDeCodigo(Texto(Valor(vBufferValores, "Periodo")), mes, periodicidad)) {
        errores.Agregar(39, Texto(Valor(vBufferValores, "Periodo")));
    } else {
        if (!declarante)
            declarante = BuscarDeclarante(rt::Trim(Texto(Valor(vBufferValores, "NIF"))));
        if (*declarante > 0) {
            cDeclaraciones declaraciones;
            declaraciones.mdbmod(mdbmod_);
            int32_t hallazgo = Importacion::HallazgoSolape(
                declaraciones.ObtenerDeclaraciones(*declarante), *ejercicio, mes, periodicidad);
            if (hallazgo != 0) errores.Agregar(hallazgo, std::to_string(*ejercicio));
        }
    }
    if (errores.Vacio()) return true;
    vBufferErrores = errores.Matriz();
    return false;
}

}  // namespace quelvodat
