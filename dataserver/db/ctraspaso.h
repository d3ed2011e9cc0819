#pragma once
// Quelvodat.cTraspaso: upgrades an older user database in place.
#include <string>

#include "con_rutas.h"
#include "quelvodat/cTraspaso.h"

namespace quelvodat {

class cTraspaso final : public ConRutas<_cTraspaso> {
public:
    void mdbPath(const std::string& ruta) override { mdbPath_ = ruta; }
    bool Traspaso() override;

private:
    // Stored, not read: the tables folder is the program's business.
    [[maybe_unused]] std::string mdbPath_;
};

}  // namespace quelvodat
