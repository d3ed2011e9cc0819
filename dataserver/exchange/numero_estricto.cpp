#include "exchange/numero_estricto.h"

#include <cmath>
#include <limits>

namespace quelvodat::Importacion {

std::optional<int64_t> NumeroEstricto(std::string_view texto) {
    bool negativo = !texto.empty() && texto.front() == '-';
    if (negativo) texto.remove_prefix(1);
    if (texto.empty() || texto.size() > 18) return std::nullopt;
    int64_t valor = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor * 10 + (c - '0');
    }
    return negativo ? -valor : valor;
}

std::optional<int32_t> EnteroEstricto(std::string_view texto) {
    auto n = NumeroEstricto(texto);
    if (!n || *n > std::numeric_limits<int32_t>::max() || *n < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(*n);
}

std::optional<double> NumeroDeValor(const rt::Variant& valor) {
    switch (valor.type()) {
        case rt::VarType::Integer:
            return valor.integer();
        case rt::VarType::Long:
            return valor.lng();
        case rt::VarType::Double:
            return valor.dbl();
        case rt::VarType::String:
            if (auto n = NumeroEstricto(valor.str())) return static_cast<double>(*n);
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<int32_t> EnteroDeValor(const rt::Variant& valor) {
    switch (valor.type()) {
        case rt::VarType::Integer:
            return valor.integer();
        case rt::VarType::Long:
            return valor.lng();
        case rt::VarType::Double: {
            double d = valor.dbl();
            if (d != std::floor(d) || d > std::numeric_limits<int32_t>::max() ||
                d < std::numeric_limits<int32_t>::min())
                return std::nullopt;
            return static_cast<int32_t>(d);
        }
        case rt::VarType::String:
            return EnteroEstricto(valor.str());
        default:
            return std::nullopt;
    }
}

}  // namespace quelvodat::Importacion
