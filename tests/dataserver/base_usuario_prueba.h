#pragma once
// A test's own empty user database, made as the program makes it, in the
// test's temporary folder; the shared connection lets go of it at the end.
#include <string>

#include "carpeta_prueba.h"
#include "db/base_usuario.h"
#include "db/conexion_dao.h"

namespace prueba {

class ConBaseUsuario : public ConCarpeta {
protected:
    void SetUp() override {
        ConCarpeta::SetUp();
        mod_ = Ruta("794Mod.mdb");
        quelvodat::CrearBaseUsuarioSiFalta(mod_);
    }
    void TearDown() override {
        quelvodat::ConexionCompartida().CerrarTodo();
        ConCarpeta::TearDown();
    }

    // Runs sql on a connection of its own.
    void Sql(const std::string& sql) {
        quelvodat::sqlite::Database(mod_, quelvodat::sqlite::Mode::ReadWrite).executeScript(sql);
    }
    bool TieneIndice(const std::string& nombre) {
        quelvodat::sqlite::Database db(mod_, quelvodat::sqlite::Mode::ReadOnly);
        return !db.query("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?", {nombre})
                    ->Eof();
    }

    std::string mod_;
};

}  // namespace prueba
