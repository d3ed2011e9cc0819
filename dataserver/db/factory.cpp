#include "factory.h"

#include <strings.h>

#include <map>

namespace quelvodat {

namespace {
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};

std::map<std::string, Constructor, CaseInsensitiveLess>& registry() {
    static std::map<std::string, Constructor, CaseInsensitiveLess> classes;
    return classes;
}
}  // namespace

bool RegistrarClase(const std::string& nombre, Constructor crear) {
    registry()[nombre] = std::move(crear);
    return true;
}

rt::Object* CrearInstancia(const std::string& nombre) {
    auto it = registry().find(nombre);
    return it == registry().end() ? nullptr : it->second();
}

}  // namespace quelvodat

extern "C" __attribute__((visibility("default"))) rt::Object* QuelvoCreateInstance(
    const char* className) {
    try {
        return className ? quelvodat::CrearInstancia(className) : nullptr;
    } catch (...) {
        return nullptr;
    }
}
