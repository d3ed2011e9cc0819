// National-layout lines rewritten into our own layout, field by field through
// the layout tables below: the national positions are cut with the same helper
// that builds the own line.
#include "exchange/conversion_estatal.h"

#include <array>
#include <optional>

#include "db/general.h"
#include "exchange/disenos_presentacion.h"
#include "exchange/numero_estricto.h"
#include "exchange/registros.h"
#include "quelvodat/territorio.h"
#include "quelvort/strings.h"

namespace quelvodat::ConvDelEstatal {

namespace {
using enum ClaseCampo;
using namespace campo;

constexpr std::string_view kBaseRectificada = "Base imponible rectificada";
constexpr std::string_view kBaseAnterior = "Base imponible declarada anteriormente";
// Marks the line as one of ours, so the import never converts its amounts
// from pesetas.
constexpr std::string_view kIdentificadorPropio = "7850000000000";

// The national lines: only the positions the conversion takes over.
constexpr auto kCamposEstatal1 = std::to_array<Campo>({
    {kTipo, 1, 1, N},
    {kModelo, 2, 3, N},
    {kEjercicio, 5, 4, N},
    {kNif, 9, 9, T},
    {kNombre, 18, 40, T},
    {kTelefono, 59, 9, N},
    {kContacto, 68, 40, T},
    {kPeriodo, 136, 2, T},
});

constexpr auto kCamposEstatal2 = std::to_array<Campo>({
    {kTipo, 1, 1, N},
    {kModelo, 2, 3, N},
    {kEjercicio, 5, 4, N},
    {kNif, 9, 9, T},
    {kPais, 76, 2, T},
    {kNifOperador, 78, 15, T},
    {kNombreOperador, 93, 40, T},
    {kClave, 133, 1, T},
    {kBase, 134, 13, N},
    {kEjercicioRectificado, 147, 4, T},
    {kPeriodoRectificado, 151, 2, T},
    {kBaseRectificada, 153, 13, N},
    {kBaseAnterior, 166, 13, N},
});

// The converted type-1 line keeps the shape of the own type-1 record up to
// 2009 whatever the exercise. From 2010 the import reads position 93 as the
// declaration's bimonthly mark, which the national line does not carry: it is
// blank there instead of the first zero of the key-2 bases.
constexpr auto kCamposDte = std::to_array<Campo>({
    {kTipo, 1, 1, N},
    {kModelo, 2, 3, N},
    {kEjercicio, 5, 4, N},
    {kPeriodo, 9, 2, T},
    {kProvincia, 11, 2, L, kCodigoProvinciaTerritorio},
    {kNif, 13, 9, T},
    {kNombre, 22, 40, T},
    {kNumeroClave1, 62, 9, N},
    {kBasesClave1, 71, 13, N},
    {kNumeroClave2, 84, 9, N},
    {kBimensual, 93, 1, T},
    {kBasesClave2, 94, 12, N},
    {kNumeroClaves34, 106, 9, N},
    {kSoporte, 115, 1, B},
    {kTelefono, 116, 9, N},
    {kContacto, 125, 40, T},
    {kIdentificador, 165, 13, L, kIdentificadorPropio},
    {kRelleno, 178, 13, B},
});

constexpr auto kCamposComunes2 = std::to_array<Campo>({
    {kTipo, 1, 1, N},
    {kModelo, 2, 3, N},
    {kEjercicio, 5, 4, N},
    {kPeriodo, 9, 2, T},
    {kProvincia, 11, 2, L, kCodigoProvinciaTerritorio},
    {kNif, 13, 9, T},
    {kClave, 22, 1, T},
    {kPais, 23, 2, T},
    {kNifOperador, 25, 12, T},
    {kNombreOperador, 37, 40, T},
    {kBase, 77, 13, N},
});

template <size_t A, size_t B>
constexpr std::array<Campo, A + B> unir(const std::array<Campo, A>& a,
                                        const std::array<Campo, B>& b) {
    std::array<Campo, A + B> r{};
    for (size_t i = 0; i < A; ++i) r[i] = a[i];
    for (size_t i = 0; i < B; ++i) r[A + i] = b[i];
    return r;
}

constexpr auto kCamposOperacionAnt = unir(kCamposComunes2, std::to_array<Campo>({
                                                               {kTriangular, 90, 1, T},
                                                               {kRelleno, 91, 100, B},
                                                           }));
constexpr auto kCamposOperacion2010 = unir(kCamposComunes2, std::to_array<Campo>({
                                                                {kRelleno, 90, 100, B},
                                                            }));
constexpr auto kCamposRectificacionAnt =
    unir(kCamposComunes2, std::to_array<Campo>({
                              {kTriangular, 90, 1, T},
                              {kSigno, 91, 1, T},
                              {kEjercicioRectificado, 92, 4, T},
                              {kPeriodoRectificado, 96, 2, T},
                              {kRelleno, 98, 93, B},
                          }));
// Sign, rectified exercise and period where the own writer from 2010 puts them.
constexpr auto kCamposRectificacion2010 =
    unir(kCamposComunes2, std::to_array<Campo>({
                              {kSigno, 90, 1, T},
                              {kEjercicioRectificado, 91, 4, T},
                              {kPeriodoRectificado, 95, 2, T},
                              {kRelleno, 97, 93, B},
                          }));

constexpr int32_t kLargo2010 = 189;
static_assert(DisenoContiguo(kCamposDte, kLargoRegistroAnt));
static_assert(DisenoContiguo(kCamposOperacionAnt, kLargoRegistroAnt));
static_assert(DisenoContiguo(kCamposOperacion2010, kLargo2010));
static_assert(DisenoContiguo(kCamposRectificacionAnt, kLargoRegistroAnt));
static_assert(DisenoContiguo(kCamposRectificacion2010, kLargo2010));

constexpr Diseno kEstatal1{"Registro estatal de tipo 1", 137, kCamposEstatal1};
constexpr Diseno kEstatal2{"Registro estatal de tipo 2", 178, kCamposEstatal2};
constexpr Diseno kDte{"Registro de tipo 1 convertido", kLargoRegistroAnt, kCamposDte};
constexpr Diseno kOperacionAnt{"Registro de tipo 2 convertido (hasta 2009)", kLargoRegistroAnt,
                               kCamposOperacionAnt};
constexpr Diseno kOperacion2010{"Registro de tipo 2 convertido (desde 2010)", kLargo2010,
                                kCamposOperacion2010};
constexpr Diseno kRectificacionAnt{"Rectificación convertida (hasta 2009)", kLargoRegistroAnt,
                                   kCamposRectificacionAnt};
constexpr Diseno kRectificacion2010{"Rectificación convertida (desde 2010)", kLargo2010,
                                    kCamposRectificacion2010};

// Short lines read as if blank-filled to the layout.
std::string rellenar(const std::string& linea, const Diseno& diseno) {
    int32_t largo = rt::Len(linea);
    return largo < diseno.largo ? linea + rt::Space(diseno.largo - largo) : linea;
}

// A national number: all blanks count as 0; anything but a whole number that
// is not negative counts as unreadable.
std::optional<int64_t> numero(const std::string& texto) {
    if (rt::Trim(texto).empty()) return 0;
    auto valor = Importacion::NumeroEstricto(texto);
    if (!valor || *valor < 0) return std::nullopt;
    return valor;
}

// An unreadable number is carried as it stands, so that the import's checks
// refuse the converted line instead of storing a zero in its place.
void ponerNumero(LineaFija& l, std::string_view campo, const std::string& texto) {
    if (auto valor = numero(texto))
        l.Poner(campo, static_cast<double>(*valor));
    else
        l.PonerTal(campo, texto);
}

bool hasta2009(const std::string& linea, const Diseno& estatal) {
    return numero(Cortar(estatal, linea, kEjercicio)).value_or(0) <= 2009;
}

std::string texto(const std::string& linea, std::string_view campo) {
    return rt::Trim(Cortar(kEstatal2, linea, campo));
}

// Positions 1-89, shared by the operation and the rectification lines.
void partesComunes(LineaFija& l, const std::string& linea, bool anterior, int32_t btePeriodo,
                   int32_t btePeriodicidad) {
    ponerNumero(l, kTipo, Cortar(kEstatal2, linea, kTipo));
    ponerNumero(l, kModelo, Cortar(kEstatal2, linea, kModelo));
    ponerNumero(l, kEjercicio, Cortar(kEstatal2, linea, kEjercicio));
    l.Poner(kPeriodo, Export2010::CodigoPeriodo(btePeriodo, btePeriodicidad))
        .Poner(kNif, texto(linea, kNif))
        .Poner(kPais, texto(linea, kPais))
        .Poner(kNifOperador, texto(linea, kNifOperador))
        .Poner(kNombreOperador, texto(linea, kNombreOperador));
    if (anterior)
        l.Poner(kClave, General::ConvClaveEstatalA(linea));
    else
        l.Poner(kClave, texto(linea, kClave));
}

}  // namespace

std::string ConvertirLineaEstatal(const std::string& strLinea, int32_t btePeriodo,
                                  int32_t btePeriodicidad) {
    std::string tipo = rt::Left(strLinea, 1);
    if (tipo == "0") return strLinea;
    if (tipo == "1") return ConvertirDteEstatal(strLinea);
    if (tipo == "2") {
        if (!rt::Trim(Cortar(kEstatal2, strLinea, kBase)).empty())
            return ConvertirOperacionEstatal(strLinea, btePeriodo, btePeriodicidad);
        return ConvertirRectificacionEstatal(strLinea, btePeriodo, btePeriodicidad);
    }
    return {};
}

std::string ConvertirDteEstatal(const std::string& strLinea) {
    const std::string linea = rellenar(strLinea, kEstatal1);
    auto cortar = [&](std::string_view campo) { return Cortar(kEstatal1, linea, campo); };
    LineaFija l(kDte);
    ponerNumero(l, kTipo, cortar(kTipo));
    ponerNumero(l, kModelo, cortar(kModelo));
    ponerNumero(l, kEjercicio, cortar(kEjercicio));
    l.Poner(kPeriodo, rt::Trim(cortar(kPeriodo)))
        .Poner(kNif, rt::Trim(cortar(kNif)))
        .Poner(kNombre, rt::Trim(cortar(kNombre)))
        .Poner(kNumeroClave1, 0)
        .Poner(kBasesClave1, 0)
        .Poner(kNumeroClave2, 0)
        .Poner(kBasesClave2, 0)
        .Poner(kNumeroClaves34, 0)
        .Poner(kContacto, rt::Trim(cortar(kContacto)));
    if (hasta2009(linea, kEstatal1))
        l.Poner(kBimensual, "0");
    else
        l.Blanco(kBimensual);
    ponerNumero(l, kTelefono, cortar(kTelefono));
    return l.FormarSinRestaurar();
}

std::string ConvertirOperacionEstatal(const std::string& strLinea, int32_t btePeriodo,
                                      int32_t btePeriodicidad) {
    const std::string linea = rellenar(strLinea, kEstatal2);
    bool anterior = hasta2009(linea, kEstatal2);
    LineaFija l(anterior ? kOperacionAnt : kOperacion2010);
    partesComunes(l, linea, anterior, btePeriodo, btePeriodicidad);
    ponerNumero(l, kBase, Cortar(kEstatal2, linea, kBase));
    if (anterior) l.Poner(kTriangular, General::MarcaTriangular(texto(linea, kClave)));
    return l.FormarSinRestaurar();
}

std::string ConvertirRectificacionEstatal(const std::string& strLinea, int32_t btePeriodo,
                                          int32_t btePeriodicidad) {
    const std::string linea = rellenar(strLinea, kEstatal2);
    bool anterior = hasta2009(linea, kEstatal2);
    LineaFija l(anterior ? kRectificacionAnt : kRectificacion2010);
    partesComunes(l, linea, anterior, btePeriodo, btePeriodicidad);
    if (anterior) l.Poner(kClave, General::ConvClaveEstatalB(linea));

    std::string textoR = Cortar(kEstatal2, linea, kBaseRectificada);
    std::string textoP = Cortar(kEstatal2, linea, kBaseAnterior);
    auto r = numero(textoR);
    auto p = numero(textoP);
    if (r && p) {
        l.Poner(kBase, static_cast<double>(*r > *p ? *r - *p : *p - *r));
        l.Poner(kSigno, *r > *p ? "+" : "-");
    } else {
        l.PonerTal(kBase, r ? textoP : textoR);
        l.Poner(kSigno, "-");
    }
    if (anterior) l.Poner(kTriangular, General::MarcaTriangular(texto(linea, kClave)));
    l.Poner(kEjercicioRectificado, texto(linea, kEjercicioRectificado))
        .Poner(kPeriodoRectificado, texto(linea, kPeriodoRectificado));
    return l.FormarSinRestaurar();
}

}  // namespace quelvodat::ConvDelEstatal
