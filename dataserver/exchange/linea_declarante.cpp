#include "exchange/linea_declarante.h"

#include <array>
#include <string_view>

#include "exchange/disenos_presentacion.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {

using enum ClaseCampo;

constexpr std::string_view kLetra = "Letra";
// The postal code is the province in two digits and the stored last three
// digits in three, each zero-filled: two numeric fields read back as one.
constexpr std::string_view kCpProvincia = "Código postal (provincia)";
constexpr std::string_view kCpCifras = "Código postal (cifras)";
constexpr std::string_view kTelefonoContacto = "Teléfono de contacto";

// The telephones and the province code are texts here, left-aligned.
constexpr std::array<Campo, 16> kCampos{{
    {campo::kNif, 1, 9, T},
    {campo::kNombre, 10, 40, T},
    {campo::kSiglas, 50, 2, T},
    {campo::kVia, 52, 30, T},
    {campo::kNumero, 82, 5, N},
    {kLetra, 87, 2, T},
    {campo::kEscalera, 89, 2, T},
    {campo::kPiso, 91, 2, T},
    {campo::kPuerta, 93, 3, T},
    {campo::kProvincia, 96, 2, T},
    {campo::kMunicipio, 98, 25, T},
    {kCpProvincia, 123, 2, N},
    {kCpCifras, 125, 3, N},
    {campo::kTelefono, 128, 9, T},
    {campo::kContacto, 137, 40, T},
    {kTelefonoContacto, 177, 9, T},
}};
static_assert(DisenoContiguo(kCampos, kLargoLineaDte));

// One column of ValoresDte: the label, the field it is cut from, how many of
// the field's characters are kept (as many as the stored column holds), and
// the field that continues it.
struct ColumnaDte {
    std::string_view etiqueta;
    std::string_view campo;
    int32_t caracteres;
    std::string_view continuacion = {};
};

constexpr std::array<ColumnaDte, 15> kColumnas{{
    {"NIF", campo::kNif, 9},
    {"Nombre", campo::kNombre, 40},
    {"Siglas", campo::kSiglas, 2},
    {"Domicilio", campo::kVia, 20},
    {"Numero", campo::kNumero, 5},
    {"Letra", kLetra, 2},
    {"Escalera", campo::kEscalera, 2},
    {"Piso", campo::kPiso, 2},
    {"Mano", campo::kPuerta, 3},
    {"Provincia", campo::kProvincia, 2},
    {"CP", kCpProvincia, 2, kCpCifras},
    {"Municipio", campo::kMunicipio, 12},
    {"NombrePD", campo::kContacto, 40},
    {"Telefono", campo::kTelefono, 9},
    {"TelefonoPD", kTelefonoContacto, 9},
}};

}  // namespace

const Diseno kDisenoLineaDte{"Línea de declarante", kLargoLineaDte, kCampos};

namespace Exportacion {

std::string ExportarLineaDte(const rt::Variant& d) {
    LineaFija linea(kDisenoLineaDte);
    linea.Poner(campo::kNif, d(1))
        .Poner(campo::kNombre, d(2))
        .Poner(campo::kSiglas, d(3))
        .Poner(campo::kVia, d(4))
        .Poner(campo::kNumero, d(5))
        .Poner(kLetra, d(6))
        .Poner(campo::kEscalera, d(7))
        .Poner(campo::kPiso, d(8))
        .Poner(campo::kPuerta, d(9))
        .Poner(campo::kProvincia, d(10))
        .Poner(campo::kMunicipio, d(12))
        .Poner(kCpProvincia, d(10))
        .Poner(kCpCifras, d(11))
        .Poner(campo::kTelefono, d(14))
        .Poner(campo::kContacto, d(13))
        .Poner(kTelefonoContacto, d(15));
    return linea.Formar();
}

}  // namespace Exportacion

namespace Importacion {

rt::Variant ObtenerValoresDte(const std::string& strLinea) {
    rt::VArray valores({0, 17}, {0, 1});
    for (int32_t i = 0; i < static_cast<int32_t>(kColumnas.size()); ++i) {
        const ColumnaDte& c = kColumnas[static_cast<size_t>(i)];
        std::string texto = rt::Left(Cortar(kDisenoLineaDte, strLinea, c.campo), c.caracteres);
        if (!c.continuacion.empty()) texto += Cortar(kDisenoLineaDte, strLinea, c.continuacion);
        valores.at(i + 1, 0) = rt::Trim(texto);
        valores.at(i + 1, 1) = std::string(c.etiqueta);
    }
    return valores;
}

}  // namespace Importacion

}  // namespace quelvodat
