// The data server keeps the user database open between calls. Reached by
// name as the program reaches it: a backup of the file alone holds every
// save made before it, and after a restore the saves land in the restored
// file, whether the program let go of the database first or not.
#include <gtest/gtest.h>

#include <filesystem>

#include "declaraciones_prueba.h"
#include "quelvodat/cDatosGenerales.h"
#include "quelvodat/cDeclarante.h"

namespace fs = std::filesystem;
using prueba::Arreglo;

namespace {

class ConexionesAbiertas : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        dec_ = Crear<quelvodat::_cDeclarante>("cDeclarante");
        gen_ = Crear<quelvodat::_cDatosGenerales>("cDatosGenerales");
    }
    void TearDown() override {
        gen_->CerrarConexiones();
        BaseDePrueba::TearDown();
    }
    void Guardar(const std::string& nif) {
        dec_->GuardarDeclarante(Arreglo({0, nif, "EMPRESA " + nif, "CL", "MAYOR", 1, " ", " ", " ",
                                         " ", 1, "01001", "VITORIA-GASTEIZ", 945000000, " ", 0}));
    }
    static std::vector<std::string> Nifs(const std::string& ruta) {
        return prueba::Columna(ruta, "SELECT dni_cifd FROM TDeclarante ORDER BY coddec");
    }

    std::shared_ptr<quelvodat::_cDeclarante> dec_;
    std::shared_ptr<quelvodat::_cDatosGenerales> gen_;
};

TEST_F(ConexionesAbiertas, ASaveBeforeABackupIsInACopyOfTheFileAlone) {
    Guardar("A01111111");
    gen_->CerrarConexiones();
    EXPECT_FALSE(fs::exists(mod_ + "-wal"));
    const auto copia = (carpeta_ / "copia.mdb").string();
    fs::copy_file(mod_, copia);
    EXPECT_EQ(Nifs(copia), (std::vector<std::string>{"A01111111"}));
    // The next call opens the database again.
    Guardar("B01111111");
    EXPECT_EQ(Nifs(mod_), (std::vector<std::string>{"A01111111", "B01111111"}));
}

TEST_F(ConexionesAbiertas, ASaveAfterARestoreLandsInTheRestoredFile) {
    Guardar("A01111111");
    gen_->CerrarConexiones();
    const auto copia = (carpeta_ / "copia.mdb").string();
    fs::copy_file(mod_, copia);
    for (bool soltada : {true, false}) {
        SCOPED_TRACE(soltada ? "let go first" : "replaced behind the open handle");
        auto anterior = Nifs(mod_);
        anterior.push_back("X01111111");
        Guardar("X01111111");
        if (soltada) gen_->CerrarConexiones();
        // The restore writes the copy aside and renames it over the database.
        const auto aparte = (carpeta_ / "aparte.mdb").string();
        fs::copy_file(copia, aparte, fs::copy_options::overwrite_existing);
        fs::rename(mod_, (carpeta_ / "anterior.mdb").string());
        fs::rename(aparte, mod_);
        Guardar("B01111111");
        EXPECT_EQ(Nifs(mod_), (std::vector<std::string>{"A01111111", "B01111111"}));
        gen_->CerrarConexiones();
        // What was saved before stays with the file it was saved into.
        EXPECT_EQ(Nifs((carpeta_ / "anterior.mdb").string()), anterior);
    }
}

TEST_F(ConexionesAbiertas, AFileReplacedBehindTheHandleNeverMeetsItsLog) {
    // Every backup and every restored copy is in rollback-journal mode, as is
    // a fresh test database: the first call turns it to WAL.
    const auto copia = (carpeta_ / "copia.mdb").string();
    fs::copy_file(mod_, copia);
    prueba::EjecutarSql(copia, "INSERT INTO TDeclarante (coddec, dni_cifd, nombred) "
                               "VALUES (7, 'C01111111', 'DE LA COPIA')");
    const auto anterior = (carpeta_ / "anterior.mdb").string();
    for (bool borrada : {false, true}) {
        SCOPED_TRACE(borrada ? "deleted, then a backup copied back" : "replaced");
        const auto base = (carpeta_ / (borrada ? "base-b.mdb" : "base-a.mdb")).string();
        fs::copy_file(copia, base);
        ASSERT_EQ(prueba::Valor(base, "PRAGMA journal_mode"), "delete");
        const auto original = prueba::Consultar(base, "SELECT * FROM TDeclarante");
        Guardar("A01111111");
        Guardar("A02222222");
        if (borrada) {
            fs::remove(mod_);
            fs::copy_file(base, mod_);
        } else {
            fs::rename(mod_, anterior);
            fs::rename(base, mod_);
        }
        Guardar("B01111111");
        gen_->CerrarConexiones();
        EXPECT_EQ(prueba::Valor(mod_, "PRAGMA integrity_check"), "ok");
        // The file put in place keeps what it held, and only the save made
        // after it came.
        EXPECT_EQ(prueba::Consultar(mod_, "SELECT * FROM TDeclarante WHERE dni_cifd <> 'B01111111'"),
                  original);
        EXPECT_EQ(Nifs(mod_), (std::vector<std::string>{"C01111111", "B01111111"}));
        if (!borrada) {
            EXPECT_EQ(prueba::Valor(anterior, "PRAGMA integrity_check"), "ok");
            EXPECT_EQ(Nifs(anterior), (std::vector<std::string>{"A01111111", "A02222222"}));
        }
        // The next round starts from a rollback-journal file again.
        fs::remove(mod_);
        fs::copy_file(copia, mod_);
        prueba::EjecutarSql(mod_, "DELETE FROM TDeclarante");
    }
}

TEST_F(ConexionesAbiertas, ADeletedDatabaseIsNotWrittenThroughTheOldHandle) {
    Guardar("A01111111");
    for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(mod_ + sufijo);
    auto e = prueba::ErrorDe([&] { Guardar("B01111111"); });
    EXPECT_EQ(e.Number, 3014);  // cannot open
    EXPECT_EQ(e.Description.rfind("cDeclarante.GuardarDeclarante unable to open", 0), 0u)
        << e.Description;
    EXPECT_FALSE(fs::exists(mod_));
}

}  // namespace
