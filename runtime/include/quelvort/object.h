#pragma once
// Objects created by programmatic identifier ("Library.Class"): the library
// lib<Library>.so in the program folder is loaded once and its one exported
// factory is asked for the class.
#include <memory>
#include <string>
#include <string_view>

namespace rt {

class Object {
public:
    virtual ~Object();
};

using ObjectPtr = std::shared_ptr<Object>;

[[noreturn]] void ThrowCannotCreate(std::string_view progId);

// Raises 429 when the library or the class is unknown.
ObjectPtr CreateObject(std::string_view progId);

// The object seen through one of its interfaces; raises 429 when it has none
// such.
template <typename Interface>
std::shared_ptr<Interface> CreateObjectAs(std::string_view progId) {
    auto object = CreateObject(progId);
    auto typed = std::dynamic_pointer_cast<Interface>(object);
    if (!typed) ThrowCannotCreate(progId);
    return typed;
}

// The folder of the running executable, without a trailing separator.
std::string ProgramFolder();

}  // namespace rt

// Every library exports this one function. It answers a new object of the
// named class (the part after the point), or nullptr for a class it does not
// have; it never throws.
#define QUELVO_FACTORY_SYMBOL "QuelvoCreateInstance"
extern "C" {
typedef rt::Object* (*QuelvoFactoryFunction)(const char* className);
}
