#include "departamento.h"

#include "avisos.h"

namespace zentalib {

namespace {

// The only place the names stand; short enough for the narrowest band of the
// printed forms (60 mm at 7 points).
constexpr const char* kDepartamentoEuskera = "Ogasun eta Zerga Saila";
constexpr const char* kDepartamentoCastellano = "Departamento de Hacienda y Fiscalidad";

}  // namespace

std::string NombreDepartamento(int32_t idioma) {
    const bool euskera = idioma == kIdiomaEuskeraImpresos || EsEuskera(idioma);
    return euskera ? kDepartamentoEuskera : kDepartamentoCastellano;
}

}  // namespace zentalib
