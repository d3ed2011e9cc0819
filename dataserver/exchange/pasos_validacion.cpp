#include "exchange/pasos_validacion.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "exchange/numero_estricto.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"

namespace quelvodat::Importacion::pasos {

namespace {
constexpr int32_t kLongitud = 24;
}

std::string Texto(const rt::Variant& valor) {
    if (valor.isNull() || valor.isEmpty()) return {};
    return rt::CStr(valor);
}

const rt::Variant& Valor(const rt::Variant& buffer, std::string_view etiqueta) {
    static const rt::Variant kNinguno;
    const rt::VArray& campos = buffer.array();
    const int32_t fin = campos.UBound(1);
    auto es = [&](int32_t i) {
        const rt::Variant& nombre = campos.at(i, 1);
        return nombre.isString() && nombre.str() == etiqueta;
    };
    // Every buffer of a kind holds its labels in one order, and each label is
    // asked for many times a line: where the same label text stood last time
    // is tried first (and checked, so a wrong guess only costs the search).
    struct Pista {
        const char* etiqueta = nullptr;
        int32_t indice = 0;
    };
    thread_local std::array<Pista, 64> pistas;
    Pista& pista = pistas[(reinterpret_cast<uintptr_t>(etiqueta.data()) >> 3) % pistas.size()];
    if (pista.etiqueta == etiqueta.data() && pista.indice >= 1 && pista.indice <= fin &&
        es(pista.indice))
        return campos.at(pista.indice, 0);
    for (int32_t i = 1; i <= fin; ++i) {
        if (!es(i)) continue;
        pista = {etiqueta.data(), i};
        return campos.at(i, 0);
    }
    return kNinguno;
}

void Repartir(const rt::Variant& buffer, std::span<const Puesto> puestos, rt::VArray& destino) {
    if (puestos.size() > 64) throw rt::Error::Runtime(rt::err::InvalidArgument, "Quelvodat");
    uint64_t puestas = 0;
    for (int32_t i = 1, fin = rt::UBound(buffer, 1); i <= fin; ++i) {
        const VistaTexto etiqueta(buffer(i, 1));
        for (size_t k = 0; k < puestos.size(); ++k) {
            if (etiqueta.vista() != puestos[k].etiqueta) continue;
            if (!(puestas >> k & 1)) destino.at(puestos[k].indice) = buffer(i, 0);
            puestas |= uint64_t{1} << k;
            break;
        }
    }
}

bool LongitudTotal(const rt::Variant& buffer, int32_t limite, BufferErrores& errores) {
    int64_t total = 0;
    for (int32_t i = 1, fin = rt::UBound(buffer, 1); i <= fin; ++i) {
        const rt::Variant& valor = buffer(i, 0);
        total += rt::Len(VistaTexto(valor));
    }
    if (total <= limite) return false;
    errores.Agregar(kLongitud);
    return true;
}

void Vacio(const rt::Variant& valor, int32_t codigo, BufferErrores& errores) {
    if (rt::TrimView(VistaTexto(valor)).empty()) errores.Agregar(codigo);
}

void VacioConValor(const rt::Variant& valor, int32_t codigo, BufferErrores& errores) {
    if (rt::TrimView(VistaTexto(valor)).empty()) errores.Agregar(codigo, Texto(valor));
}

bool Numerico(const rt::Variant& valor, int32_t codigo, BufferErrores& errores) {
    if (NumeroDeValor(valor)) return true;
    errores.Agregar(codigo, Texto(valor));
    return false;
}

std::string ConCeros(const rt::Variant& valor, int32_t ancho) {
    auto n = NumeroDeValor(valor);
    if (!n) return Texto(valor);
    auto entero = static_cast<int64_t>(rt::RoundHalfAwayFromZero(*n));
    std::string cifras = std::to_string(std::llabs(entero));
    if (static_cast<int32_t>(cifras.size()) < ancho)
        cifras.insert(0, static_cast<size_t>(ancho) - cifras.size(), '0');
    return (entero < 0 ? "-" : "") + cifras;
}

void Corto(const rt::Variant& valor, int32_t ancho, int32_t codigo, BufferErrores& errores) {
    if (rt::Len(ConCeros(valor, ancho)) < ancho) errores.Agregar(codigo, Texto(valor));
}

bool CodigoPeriodoPermitido(std::string_view codigo, std::optional<int32_t> ejercicio) {
    if (codigo == "1T" || codigo == "2T" || codigo == "3T" || codigo == "4T" || codigo == "0A")
        return true;
    if (ejercicio && *ejercicio <= 2009) return false;
    if (codigo.size() != 2 || codigo[0] < '0' || codigo[0] > '1' || codigo[1] < '0' ||
        codigo[1] > '9')
        return false;
    int mes = (codigo[0] - '0') * 10 + (codigo[1] - '0');
    return mes >= 1 && mes <= 12;
}

}  // namespace quelvodat::Importacion::pasos
