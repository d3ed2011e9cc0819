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
    std::string resultado;
    resultado.reserve(linea.size());
    for (size_t i = 0; i < linea.size(); ++i) {
        auto c = static_cast<unsigned char>(linea[i]);
        if (c >= 'a' && c <= 'z') {
            resultado += static_cast<char>(c - 'a' + 'A');
            continue;
        }
        if (i + 1 < linea.size()) {
            auto d = static_cast<unsigned char>(linea[i + 1]);
            if (c == 0xC3 && esMinusculaLatina(d)) {
                resultado += static_cast<char>(c);
                resultado += static_cast<char>(d - 0x20);
                ++i;
                continue;
            }
            if (c == 0xC2 && d == 0xA0) {
                resultado += sustituto;
                ++i;
                continue;
            }
        }
        resultado += static_cast<char>(c);
    }
    return resultado;
}

}  // namespace zentalib
