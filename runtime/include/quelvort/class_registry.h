#pragma once
// The class factory of one shared library: each creatable class registers
// itself by name, and the library exports the one function CreateObject asks.
// Every library links this runtime statically, so each has its own registry.
#include <functional>
#include <string>

#include "quelvort/object.h"

namespace rt {

using Constructor = std::function<Object*()>;

// Registers a creatable class; returns true so it can initialise a static.
bool RegisterClass(const std::string& name, Constructor create);

// A new object of the named class (letter case ignored), or nullptr.
Object* CreateRegistered(const char* name) noexcept;

}  // namespace rt

// Registers `Class` under its own name.
#define QUELVO_CREATABLE(Class)                                                  \
    namespace {                                                                  \
    [[maybe_unused]] const bool registered_##Class = ::rt::RegisterClass(        \
        #Class, [] { return static_cast<::rt::Object*>(new Class); });           \
    }

// Defines the library's exported factory; once per shared library.
#define QUELVO_EXPORT_FACTORY()                                                          \
    extern "C" __attribute__((visibility("default"))) rt::Object* QuelvoCreateInstance( \
        const char* className) {                                                         \
        return ::rt::CreateRegistered(className);                                        \
    }
