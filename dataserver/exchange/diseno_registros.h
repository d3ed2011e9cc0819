#pragma once
// Fixed-width lines: every layout is a table of fields (name, start, width,
// kind), and both the line that is built and the cutting of a line read back
// go through the same table, so they cannot disagree. Widths and positions
// count characters, never bytes.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quelvort/variant.h"

namespace quelvodat {

enum class ClaseCampo {
    N,  // whole number, zero-filled on the left; never wider than its field, never negative
    T,  // text, cut to its width and blank-filled on the right
    L,  // fixed characters
    B,  // blanks
};

struct Campo {
    std::string_view nombre;
    int32_t inicio;  // 1-based
    int32_t ancho;
    ClaseCampo clase;
    std::string_view literal = {};  // kind L only
};

struct Diseno {
    std::string_view registro;  // named in errors
    int32_t largo;
    std::span<const Campo> campos;

    // Raises when the layout has no field of that name.
    const Campo& campo(std::string_view nombre) const;
};

// True when the fields follow each other without gap or overlap from 1 to
// `largo` and every literal has its field's width; tables are checked with it
// at compile time.
template <size_t N>
constexpr bool DisenoContiguo(const std::array<Campo, N>& campos, int32_t largo) {
    int32_t siguiente = 1;
    for (const Campo& c : campos) {
        if (c.inicio != siguiente || c.ancho < 1) return false;
        if (c.clase == ClaseCampo::L && static_cast<int32_t>(c.literal.size()) != c.ancho)
            return false;
        siguiente += c.ancho;
    }
    return siguiente == largo + 1;
}

// One line of a layout being built: every N and T field gets a value (or is
// set blank explicitly), L and B fields fill themselves. An N value that does
// not fit, is negative or is not a number raises an error naming the record,
// the field and the value.
class LineaFija {
public:
    explicit LineaFija(const Diseno& diseno);

    LineaFija& Poner(std::string_view campo, const rt::Variant& valor);
    LineaFija& Blanco(std::string_view campo);
    // The characters as they stand, cut to the field's width and blank-filled,
    // in an N or T field: a line rewritten from another layout carries a value
    // it cannot read unchanged, for the checks of the new line to refuse.
    LineaFija& PonerTal(std::string_view campo, std::string_view texto);

    // The finished line after the apostrophe restoration; exactly `largo`
    // characters. Raises when a field was left without a value.
    std::string Formar() const;
    // The same line without the apostrophe restoration.
    std::string FormarSinRestaurar() const;

private:
    const Diseno& diseno_;
    std::vector<std::string> textos_;
    std::vector<bool> puestos_;
};

// A value read as a number for a field of the layout, with the same error as
// LineaFija::Poner when it is not one (Empty counts as 0).
double ValorNumerico(const Diseno& diseno, std::string_view campo, const rt::Variant& valor);

// The characters of one field of a line read back, as they stand; positions
// beyond the end of a short line read as nothing.
std::string Cortar(const Diseno& diseno, std::string_view linea, std::string_view campo);

}  // namespace quelvodat
