#include "base_usuario.h"

#include <filesystem>

#include "esquema_mod.h"
#include "sqlite_database.h"

namespace fs = std::filesystem;

namespace quelvodat {

bool CrearBaseUsuarioSiFalta(const std::string& ruta) {
    if (ruta.empty() || fs::exists(ruta)) return false;
    fs::path temporal = ruta + ".nueva";
    fs::remove(temporal);
    try {
        {
            sqlite::Database db(temporal.string(), sqlite::Mode::Create);
            // Journal files must not be left beside a file that is renamed.
            db.executeScript("PRAGMA journal_mode=DELETE");
            sqlite::Transaction tx(db);
            db.executeScript(kEsquemaBaseUsuario);
            db.execute("INSERT INTO tgeneral (Idioma, ActOnline) VALUES (?, ?)", {kIdiomaInicial, kActOnlineInicial});
            tx.commit();
        }
        fs::rename(temporal, ruta);
    } catch (...) {
        std::error_code ignored;
        fs::remove(temporal, ignored);
        throw;
    }
    return true;
}

}  // namespace quelvodat
