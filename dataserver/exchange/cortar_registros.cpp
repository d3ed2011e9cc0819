// Type-1 and type-2 records read back from a submission file, cut into the
// value buffers of the import by the same layout tables that build them.
#include <array>
#include <optional>
#include <span>

#include "db/general.h"
#include "exchange/disenos_presentacion.h"
#include "exchange/numero_estricto.h"
#include "exchange/registros.h"
#include "quelvodat/territorio.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

using namespace campo;

namespace {

rt::VArray buffer(std::span<const char* const> etiquetas) {
    rt::VArray valores({0, static_cast<int32_t>(etiquetas.size())}, {0, 1});
    int32_t i = 1;
    for (const char* e : etiquetas) valores.at(i++, 1) = e;
    return valores;
}

// The 13 characters of an amount as a number: from the first "-" on when they
// hold one; nothing when they are not digits and "-" or do not form a number.
std::optional<double> importeNumerico(const std::string& texto) {
    if (!General::EsNumerico(texto)) return std::nullopt;
    size_t menos = texto.find('-');
    return rt::ParseSpanishNumber(menos == std::string::npos ? texto : texto.substr(menos));
}

int32_t mesDeCodigo(const std::string& codigo) {
    return static_cast<int32_t>(General::BC(General::MesDePeriodo(codigo)));
}

// Fields 1 to 4 of ValoresDeclarado, the same in both layouts.
void operador(rt::VArray& v, const Diseno& diseno, const std::string& linea) {
    v.at(1, 0) = Cortar(diseno, linea, kPais);
    v.at(2, 0) = rt::Trim(Cortar(diseno, linea, kNifOperador));
    v.at(3, 0) = Cortar(diseno, linea, kNombreOperador);
    v.at(4, 0) = Cortar(diseno, linea, kClave);
}

constexpr std::array<const char*, 11> kEtiquetasDeclarado = {
    "Pais",    "NIF",       "Nombre",     "ClaveOpe",     "Importe", "Signo",
    "Periodo", "Ejercicio", "Triangular", "Periodicidad", "tipoopo"};
constexpr std::array<const char*, 18> kEtiquetasDteCion = {
    "NIF",      "Nombre",   "Siglas",     "Domicilio", "Numero",  "Letra",
    "Escalera", "Piso",     "Mano",       "Provincia", "CP",      "Municipio",
    "Telefono", "NombrePD", "TelefonoPD", "Ejercicio", "Periodo", "Bimensual"};

// The empty buffers of each kind, labels in place: a line's buffer is a copy.
const rt::VArray& BufferDeclarado() {
    static const rt::VArray vacio = buffer(kEtiquetasDeclarado);
    return vacio;
}
const rt::VArray& BufferDteCion() {
    static const rt::VArray vacio = buffer(kEtiquetasDteCion);
    return vacio;
}

}  // namespace

namespace Importacion {

rt::Variant ObtenerValoresDteCion(const std::string& strLinea) {
    const Diseno& anterior = kDisenoRegistro1Ant;
    rt::VArray v = BufferDteCion();
    std::string ejercicio = Cortar(anterior, strLinea, kEjercicio);
    std::string periodo = Cortar(anterior, strLinea, kPeriodo);
    std::string bimensual;
    // A line too short to hold an exercise has none: the checks refuse it.
    if (EnteroEstricto(ejercicio).value_or(0) >= 2010 &&
        (periodo == "02" || periodo == "05" || periodo == "08" || periodo == "11"))
        bimensual = Cortar(kDisenoRegistro1_2010, strLinea, kBimensual);

    v.at(1, 0) = Cortar(anterior, strLinea, kNif);
    v.at(2, 0) = Cortar(anterior, strLinea, kNombre);
    // What the record does not carry takes fixed values.
    v.at(3, 0) = "CL";
    v.at(4, 0) = "Sin domicilio";
    v.at(5, 0) = rt::Variant::Integer(0);
    for (int32_t i = 6; i <= 9; ++i) v.at(i, 0) = "";
    v.at(10, 0) = kCodigoProvinciaTerritorio;
    v.at(11, 0) = kCodigoPostalTerritorio;
    v.at(12, 0) = "Sin municipio";
    v.at(13, 0) = rt::Variant::Integer(0);
    v.at(14, 0) = "";
    v.at(15, 0) = rt::Variant::Integer(0);
    v.at(16, 0) = ejercicio;
    v.at(17, 0) = periodo;
    v.at(18, 0) = bimensual;
    return v;
}

rt::Variant ObtenerValoresDeclarado(const std::string& strLinea, bool blnConvertir) {
    const Diseno& diseno = kDisenoRegistro2Ant;
    rt::VArray v = BufferDeclarado();
    operador(v, diseno, strLinea);
    std::string clave = Cortar(diseno, strLinea, kClave);
    bool rectificacion = clave == "3" || clave == "4";

    std::string importe = Cortar(diseno, strLinea, kBase);
    if (auto numero = importeNumerico(importe)) {
        double d = *numero;
        if (blnConvertir) d = rt::RoundHalfAwayFromZero(d / kPesetasPorEuro, 2);
        v.at(5, 0) = d;
    } else {
        // Left as read for the line checks to refuse.
        v.at(5, 0) = importe;
    }
    std::string codigo = rt::Trim(Cortar(diseno, strLinea, kPeriodoRectificado));
    v.at(6, 0) = Cortar(diseno, strLinea, kSigno);
    v.at(7, 0) = mesDeCodigo(codigo);
    v.at(8, 0) = static_cast<int32_t>(
        General::BC(rt::Trim(Cortar(diseno, strLinea, kEjercicioRectificado))));
    v.at(9, 0) = Cortar(diseno, strLinea, kTriangular);
    v.at(10, 0) = rt::Variant::Integer(rectificacion ? General::PeriodicidadDePeriodo(codigo) : 0);
    v.at(11, 0) = rectificacion ? "R" : "N";
    return v;
}

}  // namespace Importacion

namespace Import2010 {

// Sign, rectified exercise and rectified period are read where the builder
// writes them (90, 91-94, 95-96), so a record written here reads back whole.
rt::Variant ObtenerValoresDeclarado2010(const std::string& strLinea) {
    const Diseno& diseno = kDisenoRegistro2_2010;
    rt::VArray v = BufferDeclarado();
    operador(v, diseno, strLinea);

    auto importe = importeNumerico(Cortar(diseno, strLinea, kBase));
    v.at(5, 0) = importe ? rt::Variant(*importe) : rt::Variant("");
    std::string codigo = rt::Trim(Cortar(diseno, strLinea, kPeriodoRectificado));
    int32_t ejercicio = static_cast<int32_t>(
        General::BC(rt::Trim(Cortar(diseno, strLinea, kEjercicioRectificado))));
    v.at(6, 0) = Cortar(diseno, strLinea, kSigno);
    v.at(7, 0) = codigo.empty() ? 0 : mesDeCodigo(codigo);
    v.at(8, 0) = ejercicio;
    v.at(9, 0) = "";
    bool rectificacion = ejercicio > 0;
    v.at(10, 0) = rt::Variant::Integer(rectificacion ? General::PeriodicidadDePeriodo(codigo) : 0);
    v.at(11, 0) = rectificacion ? "R" : "N";
    return v;
}

}  // namespace Import2010

}  // namespace quelvodat
