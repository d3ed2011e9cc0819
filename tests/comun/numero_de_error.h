#pragma once
// The number of the error a call raises (0 when it raises none), and its
// description when asked.
#include <functional>
#include <string>

#include "quelvort/error.h"

namespace prueba {

inline int32_t NumeroDeError(const std::function<void()>& llamada,
                             std::string* descripcion = nullptr) {
    try {
        llamada();
    } catch (const rt::Error& e) {
        if (descripcion) *descripcion = e.Description;
        return e.Number;
    }
    return 0;
}

}  // namespace prueba
