#pragma once
// The layouts of the submission file's records, field by field.
#include <string_view>

#include "exchange/diseno_registros.h"

namespace quelvodat {

// Field names shared by the layouts (the builders and cutters refer to them).
namespace campo {
inline constexpr std::string_view kTipo = "Tipo de registro";
inline constexpr std::string_view kModelo = "Modelo";
inline constexpr std::string_view kEjercicio = "Ejercicio";
inline constexpr std::string_view kPeriodo = "Periodo";
inline constexpr std::string_view kProvincia = "Provincia";
inline constexpr std::string_view kNif = "NIF";
inline constexpr std::string_view kNombre = "Nombre";
inline constexpr std::string_view kSiglas = "Siglas";
inline constexpr std::string_view kVia = "Vía pública";
inline constexpr std::string_view kNumero = "Número";
inline constexpr std::string_view kEscalera = "Escalera";
inline constexpr std::string_view kPiso = "Piso";
inline constexpr std::string_view kPuerta = "Puerta";
inline constexpr std::string_view kCodigoPostal = "Código postal";
inline constexpr std::string_view kMunicipio = "Municipio";
inline constexpr std::string_view kNumeroDeclarantes = "Número de declarantes";
inline constexpr std::string_view kNumeroDeclarados = "Número de declarados";
inline constexpr std::string_view kSoporte = "Soporte";
inline constexpr std::string_view kTelefono = "Teléfono";
inline constexpr std::string_view kContacto = "Persona de contacto";
inline constexpr std::string_view kIdentificador = "Identificador";
inline constexpr std::string_view kRelleno = "Relleno";
inline constexpr std::string_view kMarca = "Marca de diseño";
// Type 1.
inline constexpr std::string_view kNumeroClave1 = "Número de operaciones clave 1";
inline constexpr std::string_view kBasesClave1 = "Bases imponibles clave 1";
inline constexpr std::string_view kNumeroClave2 = "Número de operaciones clave 2";
inline constexpr std::string_view kBasesClave2 = "Bases imponibles clave 2";
inline constexpr std::string_view kNumeroClaves34 = "Número de operaciones claves 3 y 4";
inline constexpr std::string_view kNumeroTipoN = "Número de operaciones";
inline constexpr std::string_view kBasesTipoN = "Bases imponibles";
inline constexpr std::string_view kNumeroTipoR = "Número de rectificaciones";
inline constexpr std::string_view kBimensual = "Bimensual";
// Type 2.
inline constexpr std::string_view kClave = "Clave de operación";
inline constexpr std::string_view kPais = "País";
inline constexpr std::string_view kNifOperador = "NIF del operador";
inline constexpr std::string_view kNombreOperador = "Nombre del operador";
inline constexpr std::string_view kBase = "Base imponible";
inline constexpr std::string_view kTriangular = "Operación triangular";
inline constexpr std::string_view kSigno = "Signo";
inline constexpr std::string_view kEjercicioRectificado = "Ejercicio rectificado";
inline constexpr std::string_view kPeriodoRectificado = "Periodo rectificado";
}  // namespace campo

extern const Diseno kDisenoRegistro0Ant;
extern const Diseno kDisenoRegistro0_2010;
extern const Diseno kDisenoRegistro1Ant;
extern const Diseno kDisenoRegistro1_2010;
extern const Diseno kDisenoRegistro2Ant;
extern const Diseno kDisenoRegistro2_2010;

}  // namespace quelvodat
