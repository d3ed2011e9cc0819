#pragma once
// A record array as one text, so a test compares its shape and every element
// at once: the bounds, then the elements by row (second index); Empty as "~",
// a value that is not a text as "#", Null as "Null".
#include <string>

#include "quelvort/variant.h"

namespace prueba {

inline std::string Contenido(const rt::Variant& m) {
    if (m.isNull()) return "Null";
    const rt::VArray& a = m.array();
    auto el = [](const rt::Variant& x) { return x.isEmpty() ? "~" : x.isString() ? x.str() : "#"; };
    std::string s = std::to_string(a.LBound(1)) + ".." + std::to_string(a.UBound(1));
    if (a.dimensions() == 1) {
        for (int32_t i = a.LBound(1); i <= a.UBound(1); ++i) s += "|" + el(a.at(i));
        return s;
    }
    s += "x" + std::to_string(a.LBound(2)) + ".." + std::to_string(a.UBound(2));
    for (int32_t r = a.LBound(2); r <= a.UBound(2); ++r) {
        s += " /";
        for (int32_t j = a.LBound(1); j <= a.UBound(1); ++j) s += "|" + el(a.at(j, r));
    }
    return s;
}

}  // namespace prueba
