#pragma once
// The error a call raises: its number (0 when it raises none), its
// description when asked, or the whole error.
#include <functional>
#include <string>

#include "quelvort/error.h"

namespace prueba {

inline rt::Error ErrorDe(const std::function<void()>& llamada) {
    try {
        llamada();
    } catch (const rt::Error& e) {
        return e;
    }
    return rt::Error(0, "", "");
}

inline int32_t NumeroDeError(const std::function<void()>& llamada,
                             std::string* descripcion = nullptr) {
    rt::Error e = ErrorDe(llamada);
    if (descripcion && e.Number != 0) *descripcion = e.Description;
    return e.Number;
}

}  // namespace prueba
