#pragma once
// Stores the two paths of a public class: `class cX : public ConRutas<_cX>`.
#include <string>

namespace quelvodat {

template <typename Interface>
class ConRutas : public Interface {
public:
    // Keeps an interface's getters of the same names visible.
    using Interface::mdblec;
    using Interface::mdbmod;
    void mdbmod(const std::string& ruta) override { mdbmod_ = ruta; }
    void mdblec(const std::string& ruta) override { mdblec_ = ruta; }

protected:
    std::string mdbmod_;
    std::string mdblec_;
};

}  // namespace quelvodat
