#include "exchange/disenos_presentacion.h"

#include <array>

#include "exchange/registros.h"
#include "quelvodat/territorio.h"

namespace quelvodat {

namespace {
using enum ClaseCampo;
using namespace campo;

constexpr std::string_view kIdentificadorPropio = "7850000000000";

constexpr auto kCampos0Ant = std::to_array<Campo>({
    {kTipo, 1, 1, L, "0"},
    {kModelo, 2, 3, L, "794"},
    {kEjercicio, 5, 4, N},
    {kRelleno, 9, 2, B},
    {kProvincia, 11, 2, L, kCodigoProvinciaTerritorio},
    {kNif, 13, 9, T},
    {kNombre, 22, 40, T},
    {kSiglas, 62, 2, T},
    {kVia, 64, 20, T},
    {kNumero, 84, 5, N},
    {kEscalera, 89, 2, T},
    {kPiso, 91, 2, T},
    {kPuerta, 93, 2, T},
    {kCodigoPostal, 95, 5, N},
    {kMunicipio, 100, 12, T},
    {kNumeroDeclarantes, 112, 5, N},
    {kNumeroDeclarados, 117, 9, N},
    {kSoporte, 126, 1, L, "D"},
    {kTelefono, 127, 9, N},
    {kContacto, 136, 40, T},
    {kIdentificador, 176, 13, L, kIdentificadorPropio},
    {"Blancos finales", 189, 2, B},
});

constexpr auto kCampos0_2010 = std::to_array<Campo>({
    {kTipo, 1, 1, L, "0"},
    {kModelo, 2, 3, L, "794"},
    {kEjercicio, 5, 4, N},
    {kRelleno, 9, 2, B},
    {kProvincia, 11, 2, L, kCodigoProvinciaTerritorio},
    {kNif, 13, 9, T},
    {kNombre, 22, 40, T},
    {kSiglas, 62, 2, T},
    {kVia, 64, 20, T},
    {kNumero, 84, 5, N},
    {kEscalera, 89, 2, T},
    {kPiso, 91, 2, T},
    {kPuerta, 93, 2, T},
    {kCodigoPostal, 95, 5, N},
    {kMunicipio, 100, 12, T},
    {kNumeroDeclarantes, 112, 5, N},
    {kNumeroDeclarados, 117, 9, N},
    {kSoporte, 126, 1, B},
    {kTelefono, 127, 9, N},
    {kContacto, 136, 40, T},
    {"Blancos finales", 176, 72, B},
    {kMarca, 248, 3, L, "M10"},
});

constexpr auto kCampos1Ant = std::to_array<Campo>({
    {kTipo, 1, 1, L, "1"},
    {kModelo, 2, 3, L, "794"},
    {kEjercicio, 5, 4, N},
    {kPeriodo, 9, 2, T},
    {kProvincia, 11, 2, N},
    {kNif, 13, 9, T},
    {kNombre, 22, 40, T},
    {kNumeroClave1, 62, 9, N},
    {kBasesClave1, 71, 13, N},
    {kNumeroClave2, 84, 9, N},
    {kBasesClave2, 93, 13, N},
    {kNumeroClaves34, 106, 9, N},
    {kSoporte, 115, 1, L, "D"},
    {kTelefono, 116, 9, N},
    {kContacto, 125, 40, T},
    {kIdentificador, 165, 13, L, kIdentificadorPropio},
    {kRelleno, 178, 13, B},
});

constexpr auto kCampos1_2010 = std::to_array<Campo>({
    {kTipo, 1, 1, L, "1"},
    {kModelo, 2, 3, L, "794"},
    {kEjercicio, 5, 4, N},
    {kPeriodo, 9, 2, T},
    {kProvincia, 11, 2, N},
    {kNif, 13, 9, T},
    {kNombre, 22, 40, T},
    {kNumeroTipoN, 62, 9, N},
    {kBasesTipoN, 71, 13, N},
    {kNumeroTipoR, 84, 9, N},
    {kBimensual, 93, 1, T},
    {kTelefono, 94, 9, N},
    {kContacto, 103, 40, T},
    {kRelleno, 143, 102, B},
    {kMarca, 245, 6, L, "TRVM10"},
});

constexpr auto kCampos2Ant = std::to_array<Campo>({
    {kTipo, 1, 1, L, "2"},
    {kModelo, 2, 3, L, "794"},
    {kEjercicio, 5, 4, N},
    {kPeriodo, 9, 2, T},
    {kProvincia, 11, 2, N},
    {kNif, 13, 9, T},
    {kClave, 22, 1, T},
    {kPais, 23, 2, T},
    {kNifOperador, 25, 12, T},
    {kNombreOperador, 37, 40, T},
    {kBase, 77, 13, N},
    {kTriangular, 90, 1, T},
    {kSigno, 91, 1, T},
    {kEjercicioRectificado, 92, 4, N},
    {kPeriodoRectificado, 96, 2, T},
    {kRelleno, 98, 93, B},
});

constexpr auto kCampos2_2010 = std::to_array<Campo>({
    {kTipo, 1, 1, L, "2"},
    {kModelo, 2, 3, L, "794"},
    {kEjercicio, 5, 4, N},
    {kPeriodo, 9, 2, T},
    {kProvincia, 11, 2, N},
    {kNif, 13, 9, T},
    {kClave, 22, 1, T},
    {kPais, 23, 2, T},
    {kNifOperador, 25, 12, T},
    {kNombreOperador, 37, 40, T},
    {kBase, 77, 13, N},
    {kSigno, 90, 1, T},
    {kEjercicioRectificado, 91, 4, N},
    {kPeriodoRectificado, 95, 2, T},
    {kRelleno, 97, 151, B},
    {kMarca, 248, 3, L, "M10"},
});

static_assert(DisenoContiguo(kCampos0Ant, kLargoRegistroAnt));
static_assert(DisenoContiguo(kCampos0_2010, kLargoRegistro2010));
static_assert(DisenoContiguo(kCampos1Ant, kLargoRegistroAnt));
static_assert(DisenoContiguo(kCampos1_2010, kLargoRegistro2010));
static_assert(DisenoContiguo(kCampos2Ant, kLargoRegistroAnt));
static_assert(DisenoContiguo(kCampos2_2010, kLargoRegistro2010));
}  // namespace

constexpr Diseno kDisenoRegistro0Ant{"Registro de tipo 0 (hasta 2009)", kLargoRegistroAnt,
                                     kCampos0Ant};
constexpr Diseno kDisenoRegistro0_2010{"Registro de tipo 0 (desde 2010)", kLargoRegistro2010,
                                       kCampos0_2010};
constexpr Diseno kDisenoRegistro1Ant{"Registro de tipo 1 (hasta 2009)", kLargoRegistroAnt,
                                     kCampos1Ant};
constexpr Diseno kDisenoRegistro1_2010{"Registro de tipo 1 (desde 2010)", kLargoRegistro2010,
                                       kCampos1_2010};
constexpr Diseno kDisenoRegistro2Ant{"Registro de tipo 2 (hasta 2009)", kLargoRegistroAnt,
                                     kCampos2Ant};
constexpr Diseno kDisenoRegistro2_2010{"Registro de tipo 2 (desde 2010)", kLargoRegistro2010,
                                       kCampos2_2010};

}  // namespace quelvodat
