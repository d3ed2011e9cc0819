#include "quelvort/class_registry.h"

#include <strings.h>

#include <map>

namespace rt {

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

bool RegisterClass(const std::string& name, Constructor create) {
    registry()[name] = std::move(create);
    return true;
}

Object* CreateRegistered(const char* name) noexcept {
    try {
        if (!name) return nullptr;
        auto it = registry().find(name);
        return it == registry().end() ? nullptr : it->second();
    } catch (...) {
        return nullptr;
    }
}

}  // namespace rt
