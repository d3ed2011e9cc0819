#include "caracteres_importacion.h"

#include "quelvort/error.h"
#include "quelvort/strings.h"

namespace zentalib {

namespace {

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
