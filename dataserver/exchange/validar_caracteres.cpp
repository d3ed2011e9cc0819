// The character check of a raw import line and the record-type check.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "db/general.h"
#include "exchange/buffer_errores.h"
#include "exchange/validar_importacion.h"
#include "quelvort/cp1252.h"
#include "zentalib/cMiscelaneos.h"

namespace quelvodat::Importacion {

namespace {

constexpr int32_t kCaracterNoPermitido = 50;

constexpr std::array<bool, 256> tablaPermitidos() {
    std::array<bool, 256> t{};
    for (int c = 32; c <= 93; ++c) t[c] = true;
    for (int c = 97; c <= 123; ++c) t[c] = true;
    for (int c : {95,  125, 126, 160, 161, 170, 173, 176, 186, 191, 193, 199, 201, 205, 209,
                  211, 215, 218, 220, 225, 231, 233, 237, 241, 243, 250, 252})
        t[c] = true;
    return t;
}
constexpr std::array<bool, 256> kPermitidos = tablaPermitidos();

constexpr uint64_t kUnos = 0x0101010101010101ULL;
constexpr uint64_t kAltos = 0x8080808080808080ULL;

// Eight bytes that are all ASCII characters of the set: none beyond ASCII,
// none under 32, and none of 94 "^", 96 "`", 124 "|" and 127, the only ones
// the set leaves out above 31.
constexpr bool OchoPermitidos(uint64_t ocho) {
    auto algunCero = [](uint64_t v) { return ((v - kUnos) & ~v & kAltos) != 0; };
    return (ocho & kAltos) == 0 && ((ocho + (0x80 - 32) * kUnos) & kAltos) == kAltos &&
           ((ocho + kUnos) & kAltos) == 0 && !algunCero(ocho ^ ('^' * kUnos)) &&
           !algunCero(ocho ^ ('`' * kUnos)) && !algunCero(ocho ^ ('|' * kUnos));
}

// Eight of one byte are admitted exactly when the table admits that byte.
constexpr bool OchoComoLaTabla() {
    for (unsigned b = 0; b < 256; ++b)
        if (OchoPermitidos(b * kUnos) != (b < 0x80 && kPermitidos[b])) return false;
    return true;
}
static_assert(OchoComoLaTabla());

// Bytes of the UTF-8 character starting at `i`; 1 for a byte that starts no
// valid sequence.
size_t largoCaracter(std::string_view s, size_t i) {
    auto b = static_cast<unsigned char>(s[i]);
    size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 1;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

// The refused character as the log can show it: itself when Windows-1252
// holds it, else its bytes in hexadecimal.
std::string mostrable(std::string_view caracter) {
    if (rt::CanEncodeCp1252(caracter)) return std::string(caracter);
    std::string texto;
    for (unsigned char b : caracter) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", b);
        texto += (texto.empty() ? "0x" : "") + std::string(hex);
    }
    return texto;
}

}  // namespace

bool CaracterPermitido(unsigned char codigo) { return kPermitidos[codigo]; }

rt::Variant ValidarCaracteres(std::string& strLinea) {
    strLinea = General::Miscelaneos().ValidarCaracErrEnImp(strLinea, " ");
    BufferErrores errores;
    for (size_t i = 0; i < strLinea.size();) {
        // Most of a line is plain ASCII that the set admits: eight bytes at a
        // time, then one.
        if (uint64_t ocho; strLinea.size() - i >= 8) {
            std::memcpy(&ocho, strLinea.data() + i, 8);
            if (OchoPermitidos(ocho)) {
                i += 8;
                continue;
            }
        }
        if (const auto b = static_cast<unsigned char>(strLinea[i]); b < 0x80 && kPermitidos[b]) {
            ++i;
            continue;
        }
        size_t n = largoCaracter(strLinea, i);
        std::string_view caracter(strLinea.data() + i, n);
        bool permitido;
        if (n == 1) {
            permitido = static_cast<unsigned char>(caracter[0]) < 0x80 &&
                        CaracterPermitido(static_cast<unsigned char>(caracter[0]));
        } else {
            permitido = rt::CanEncodeCp1252(caracter) &&
                        CaracterPermitido(static_cast<unsigned char>(rt::ToCp1252(caracter)[0]));
        }
        if (!permitido) {
            errores.Agregar(kCaracterNoPermitido, mostrable(caracter));
            break;
        }
        i += n;
    }
    return errores.Matriz();
}

bool ComprobarTipoRegistro(std::string_view strLinea) {
    return !strLinea.empty() && (strLinea[0] == '0' || strLinea[0] == '1' || strLinea[0] == '2');
}

}  // namespace quelvodat::Importacion
