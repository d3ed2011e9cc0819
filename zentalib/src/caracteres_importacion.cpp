#include "caracteres_importacion.h"

#include <cstdint>
#include <cstring>

#include "quelvort/error.h"
#include "quelvort/strings.h"

namespace zentalib {

namespace {

constexpr uint64_t kUnos = 0x0101010101010101ULL;
constexpr uint64_t kAltos = 0x8080808080808080ULL;

// Of eight ASCII bytes, the small letters a-z: 0x80 in each of them.
constexpr uint64_t Minusculas(uint64_t ocho) {
    return (ocho + (0x80 - 'a') * kUnos) & ~(ocho + (0x80 - 'z' - 1) * kUnos) & kAltos;
}

constexpr bool MinusculasUnaAUna() {
    for (unsigned b = 0; b < 0x80; ++b)
        if (Minusculas(b * kUnos) != (b >= 'a' && b <= 'z' ? kAltos : 0)) return false;
    return true;
}
static_assert(MinusculasUnaAUna());

// Second bytes of the UTF-8 forms (0xC3 ..) of "á", "é", "í", "ó", "ú", "ü",
// "ñ" and "ç"; their capitals are 0x20 lower.
bool esMinusculaLatina(unsigned char segundo) {
    switch (segundo) {
        case 0xA1:
        case 0xA9:
        case 0xAD:
        case 0xB3:
        case 0xBA:
        case 0xBC:
        case 0xB1:
        case 0xA7:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string PrepararLineaImportada(std::string_view linea, std::string_view sustituto) {
    // Any other width would shift every field after it.
    if (rt::Len(sustituto) != 1) throw rt::Error::Runtime(rt::err::InvalidArgument, "Zentalib");
    // Capitals take as many bytes as their small letters: they are written
    // in place.
    std::string resultado(linea);
    const size_t n = resultado.size();
    for (size_t i = 0; i < n; ++i) {
        // Most of a line is ASCII: eight bytes at a time, their small letters
        // losing 0x20 at once.
        for (uint64_t ocho; n - i >= 8; i += 8) {
            std::memcpy(&ocho, resultado.data() + i, 8);
            if (ocho & kAltos) break;
            ocho ^= Minusculas(ocho) >> 2;
            std::memcpy(resultado.data() + i, &ocho, 8);
        }
        if (i == n) break;
        auto c = static_cast<unsigned char>(resultado[i]);
        if (c >= 'a' && c <= 'z') {
            resultado[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < n &&
                   esMinusculaLatina(static_cast<unsigned char>(resultado[i + 1]))) {
            resultado[i + 1] = static_cast<char>(resultado[i + 1] - 0x20);
            ++i;
        }
    }
    // No capital is a byte of a no-break space, so those are found as they
    // were.
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    for (size_t i = resultado.find(kNoBreakSpace); i != std::string::npos;
         i = resultado.find(kNoBreakSpace, i + sustituto.size()))
        resultado.replace(i, kNoBreakSpace.size(), sustituto);
    return resultado;
}

}  // namespace zentalib
