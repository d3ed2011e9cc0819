#pragma once
// A function that a layer above sets at start-up for a layer below to call:
// the way a lower layer reaches a window or a command it may not include.
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

namespace quelvo {

template <typename Signature>
class Hook;

template <typename R, typename... Args>
class Hook<R(Args...)> {
public:
    // `name` goes into the error raised when the hook is called unset.
    explicit Hook(const char* name) : name_(name) {}

    void Set(std::function<R(Args...)> function) { function_ = std::move(function); }

    R operator()(Args... args) const {
        if (!function_) throw std::logic_error(std::string(name_) + ": sin conectar");
        return function_(std::forward<Args>(args)...);
    }

private:
    const char* name_;
    std::function<R(Args...)> function_;
};

}  // namespace quelvo
