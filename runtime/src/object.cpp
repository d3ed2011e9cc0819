#include "quelvort/object.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <mutex>

#include "quelvort/error.h"

namespace rt {

Object::~Object() = default;

void ThrowCannotCreate(std::string_view progId) {
    throw Error(err::CannotCreateObject, std::string(progId),
                RuntimeDescription(err::CannotCreateObject));
}

std::string ProgramFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

namespace {

// Libraries stay loaded for the life of the process: objects they made may
// outlive any one caller.
QuelvoFactoryFunction factoryOf(const std::string& library) {
    static std::mutex mutex;
    static std::map<std::string, QuelvoFactoryFunction> loaded;
    std::lock_guard lock(mutex);
    if (auto it = loaded.find(library); it != loaded.end()) return it->second;

    auto path = std::filesystem::path(ProgramFolder()) / ("lib" + library + ".so");
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    auto factory =
        reinterpret_cast<QuelvoFactoryFunction>(dlsym(handle, QUELVO_FACTORY_SYMBOL));
    if (factory) loaded.emplace(library, factory);
    return factory;
}

}  // namespace

ObjectPtr CreateObject(std::string_view progId) {
    auto point = progId.find('.');
    if (point == std::string_view::npos || point == 0 || point + 1 == progId.size())
        ThrowCannotCreate(progId);
    std::string library(progId.substr(0, point));
    std::string className(progId.substr(point + 1));
    auto factory = factoryOf(library);
    if (!factory) ThrowCannotCreate(progId);
    Object* object = factory(className.c_str());
    if (!object) ThrowCannotCreate(progId);
    return ObjectPtr(object);
}

}  // namespace rt
