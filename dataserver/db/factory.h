#pragma once
// The library's class factory: each creatable class registers itself by name
// and CreateObject("Quelvodat.<name>") reaches it through the exported
// function.
#include <functional>
#include <string>

#include "quelvort/object.h"

namespace quelvodat {

using Constructor = std::function<rt::Object*()>;

// Registers a creatable class; returns true so it can initialise a static.
bool RegistrarClase(const std::string& nombre, Constructor crear);

// A new object of the named class (letter case ignored), or nullptr.
rt::Object* CrearInstancia(const std::string& nombre);

}  // namespace quelvodat

#define QUELVODAT_CLASS(Class)                                                     \
    namespace {                                                                    \
    [[maybe_unused]] const bool registered_##Class =                               \
        ::quelvodat::RegistrarClase(#Class, [] { return static_cast<::rt::Object*>(new Class); }); \
    }
