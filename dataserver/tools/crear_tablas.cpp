// Build tool: makes a database file from SQL scripts, whole or not at all.
//   crear_tablas <database> <script.sql>...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "db/sqlite_database.h"

namespace fs = std::filesystem;
using namespace quelvodat::sqlite;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <database> <script.sql>...\n", argv[0]);
        return 2;
    }
    fs::path target = argv[1];
    fs::path temporary = target;
    temporary += ".tmp";
    try {
        fs::create_directories(target.parent_path());
        fs::remove(temporary);
        {
            Database db(temporary.string(), Mode::Create);
            db.executeScript("PRAGMA journal_mode=DELETE");
            Transaction tx(db);
            for (int i = 2; i < argc; ++i) {
                std::ifstream in(argv[i], std::ios::binary);
                if (!in) throw rt::Error(53, "crear_tablas", std::string("cannot read ") + argv[i]);
                std::stringstream sql;
                sql << in.rdbuf();
                db.executeScript(sql.str());
            }
            tx.commit();
        }
        fs::rename(temporary, target);
    } catch (const std::exception& e) {
        fs::remove(temporary);
        std::fprintf(stderr, "crear_tablas: %s\n", e.what());
        return 1;
    }
    return 0;
}
