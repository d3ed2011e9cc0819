// Other processes on the user database: an import killed at random moments
// leaves a whole prefix of its file, and two processes saving or importing
// at once lose nothing, store nothing twice and never see "database is
// locked".
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <thread>

#include "comun/estado_importacion.h"
#include "declaraciones_prueba.h"
#include "procesos_prueba.h"

namespace fs = std::filesystem;
using prueba::Hijo;
using prueba::Soporte;
using prueba::Tabla;

namespace {

class Procesos : public prueba::BaseDePrueba {
protected:
    // A child importing `fichero` into `mod`.
    std::unique_ptr<Hijo> Importar(const std::string& mod, const std::string& fichero,
                                   bool enLote, const std::string& nombre = "hijo") {
        return std::make_unique<Hijo>(
            std::vector<std::string>{"importar", mod, prueba::RutaBaseReferencia(), fichero,
                                     enLote ? "1" : "0"},
            (carpeta_ / (nombre + ".err")).string());
    }

    std::string BaseVacia(const std::string& nombre) {
        auto ruta = (carpeta_ / nombre).string();
        fs::copy_file(mod_, ruta, fs::copy_options::overwrite_existing);
        return ruta;
    }

    static int64_t Numero(const std::string& ruta, const std::string& sql) {
        return std::stoll(prueba::Valor(ruta, sql));
    }

    // What an interrupted import may leave: an intact file holding the file's
    // declarants and entries up to some line, each declaration with its
    // declarant. Answers the number of entries stored.
    static size_t PrefijoIntacto(const std::string& ruta, const Soporte& s) {
        EXPECT_EQ(prueba::Valor(ruta, "PRAGMA integrity_check"), "ok");
        EXPECT_EQ(Numero(ruta, "SELECT count(*) FROM TDeclaraciones WHERE coddecr NOT IN "
                               "(SELECT coddec FROM TDeclarante)"), 0);
        EXPECT_EQ(Numero(ruta, "SELECT count(*) FROM TDeclarante WHERE coddec NOT IN "
                               "(SELECT coddecr FROM TDeclaraciones)"), 0);
        EXPECT_EQ(Numero(ruta, "SELECT count(*) FROM tOperadores WHERE coddeclar NOT IN "
                               "(SELECT coddecla FROM TDeclaraciones)"), 0);
        auto nifs = prueba::Columna(ruta, "SELECT dni_cifd FROM TDeclarante ORDER BY coddec");
        EXPECT_LE(nifs.size(), s.nifs.size());
        for (size_t i = 0; i < nifs.size() && i < s.nifs.size(); ++i)
            EXPECT_EQ(nifs[i], s.nifs[i]) << "declarant " << i;
        auto entradas = prueba::Consultar(
            ruta, "SELECT dni_cifd, trim(nifo) FROM tOperadores JOIN TDeclaraciones ON "
                  "coddecla = coddeclar JOIN TDeclarante ON coddec = coddecr ORDER BY codope");
        EXPECT_LE(entradas.size(), s.entradas.size());
        for (size_t i = 0; i < entradas.size() && i < s.entradas.size(); ++i) {
            EXPECT_EQ(entradas[i], (std::vector<std::string>{s.entradas[i].first,
                                                             s.entradas[i].second}))
                << "entry " << i;
            if (::testing::Test::HasFailure()) break;
        }
        // The entries of every stored declaration but the last are all there.
        if (!nifs.empty()) {
            const size_t porDeclarante = s.entradas.size() / s.nifs.size();
            EXPECT_GE(entradas.size(), (nifs.size() - 1) * porDeclarante);
        }
        return entradas.size();
    }
};

TEST_F(Procesos, AnImportKilledAtAnyMomentLeavesAWholePrefixOfItsFile) {
    const auto fichero = (carpeta_ / "soporte.txt").string();
    const Soporte s = prueba::EscribirSoporte(fichero, 40, 300);

    // One whole run first: every line stored, and how long the run takes.
    const auto entera = BaseVacia("entera.mdb");
    const auto inicio = std::chrono::steady_clock::now();
    {
        auto hijo = Importar(entera, fichero, true);
        ASSERT_TRUE(hijo->Lanzado());
        ASSERT_EQ(hijo->Esperar(), 0) << hijo->Errores();
    }
    const auto duracion = std::chrono::steady_clock::now() - inicio;
    ASSERT_EQ(PrefijoIntacto(entera, s), s.entradas.size());

    std::random_device azar;
    const auto semilla = azar();
    SCOPED_TRACE("seed " + std::to_string(semilla));
    std::mt19937 motor(semilla);
    std::uniform_int_distribution<int64_t> momento(
        0, std::chrono::duration_cast<std::chrono::microseconds>(duracion).count() * 9 / 10);
    int aMedias = 0;
    for (int vez = 0; vez < 20 && !HasFailure(); ++vez) {
        SCOPED_TRACE("kill " + std::to_string(vez));
        const auto base = BaseVacia("matada.mdb");
        auto hijo = Importar(base, fichero, true);
        ASSERT_TRUE(hijo->Lanzado());
        ASSERT_TRUE(hijo->Listo()) << hijo->Errores();
        std::this_thread::sleep_for(std::chrono::microseconds(momento(motor)));
        hijo->Matar();
        hijo->Esperar();
        const size_t guardadas = PrefijoIntacto(base, s);
        if (guardadas > 0 && guardadas < s.entradas.size()) ++aMedias;
        for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(base + sufijo);
    }
    // The moments fall inside the run, so most kills cut it short.
    EXPECT_GE(aMedias, 5);
}

TEST_F(Procesos, TwoProcessesSavingAtOnceLoseNothing) {
    Sql("INSERT INTO TDeclarante (coddec, dni_cifd) VALUES (1, '12345678Z');"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, "
        "moneda) VALUES (1, 1, 2012, 12, 3, 'E');");
    constexpr int kEntradas = 300;
    auto guardar = [&](const std::string& prefijo) {
        return std::make_unique<Hijo>(
            std::vector<std::string>{"guardar", mod_, "1", std::to_string(kEntradas), prefijo},
            (carpeta_ / (prefijo + ".err")).string());
    };
    auto a = guardar("A");
    auto b = guardar("B");
    ASSERT_TRUE(a->Lanzado() && b->Lanzado());
    EXPECT_EQ(a->Esperar(), 0) << a->Errores();
    EXPECT_EQ(b->Esperar(), 0) << b->Errores();
    EXPECT_EQ(Cuenta("tOperadores"), 2 * kEntradas);
    EXPECT_EQ(Valor("SELECT count(DISTINCT nifo) FROM tOperadores"), std::to_string(2 * kEntradas));
    EXPECT_EQ(Valor("PRAGMA integrity_check"), "ok");
}

TEST_F(Procesos, AProcessEndingLetsGoOfTheDatabaseWithItsLogWrittenIn) {
    Sql("INSERT INTO TDeclarante (coddec, dni_cifd) VALUES (1, '12345678Z');"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, "
        "moneda) VALUES (1, 1, 2012, 12, 3, 'E');");
    Hijo hijo({"guardar", mod_, "1", "3", "A"}, (carpeta_ / "hijo.err").string());
    ASSERT_TRUE(hijo.Lanzado());
    EXPECT_EQ(hijo.Esperar(), 0) << hijo.Errores();
    EXPECT_FALSE(fs::exists(mod_ + "-wal"));
    // The file alone holds the saves.
    const auto copia = (carpeta_ / "copia.mdb").string();
    fs::copy_file(mod_, copia);
    EXPECT_EQ(Numero(copia, "SELECT count(*) FROM tOperadores"), 3);
}

TEST_F(Procesos, ARunIdleBetweenLinesDoesNotHoldUpAnotherProcessesSave) {
    Sql("INSERT INTO TDeclarante (coddec, dni_cifd) VALUES (1, '12345678Z');"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, "
        "moneda) VALUES (1, 1, 2012, 12, 3, 'E');");
    const auto fichero = (carpeta_ / "soporte.txt").string();
    prueba::EscribirSoporte(fichero, 2, 3);
    auto run = Crear<quelvodat::_cImportacion>("cImportacion");
    run->IniciarImportacion();
    prueba::EstadoImportacion estado;
    for (const auto& linea : rt::ReadAllLines(fichero))
        estado.Soporte(mod_, prueba::RutaBaseReferencia(), linea);
    // The run stops after a stored line, for longer than the other process
    // waits for the database.
    Hijo hijo({"guardar", mod_, "1", "3", "A"}, (carpeta_ / "hijo.err").string());
    ASSERT_TRUE(hijo.Lanzado());
    EXPECT_EQ(hijo.Esperar(), 0) << hijo.Errores();
    run->TerminarImportacion();
    EXPECT_EQ(Cuenta("tOperadores"), 3 + 2 * 3);
}

TEST_F(Procesos, TwoProcessesImportingOneFileStoreEachDeclarationOnce) {
    const auto fichero = (carpeta_ / "soporte.txt").string();
    const Soporte s = prueba::EscribirSoporte(fichero, 300, 3);
    // Both with runs, and both committing every line on its own.
    for (bool enLote : {true, false}) {
        SCOPED_TRACE(enLote ? "runs" : "line by line");
        const auto base = BaseVacia(enLote ? "lotes.mdb" : "lineas.mdb");
        auto a = Importar(base, fichero, enLote, "a");
        auto b = Importar(base, fichero, enLote, "b");
        ASSERT_TRUE(a->Lanzado() && b->Lanzado());
        EXPECT_EQ(a->Esperar(), 0) << a->Errores();
        EXPECT_EQ(b->Esperar(), 0) << b->Errores();
        EXPECT_EQ(Numero(base, "SELECT count(*) FROM TDeclarante"), 300);
        EXPECT_EQ(Numero(base, "SELECT count(DISTINCT dni_cifd) FROM TDeclarante"), 300);
        EXPECT_EQ(Numero(base, "SELECT count(*) FROM TDeclaraciones"), 300);
        // Each declaration got its entries from the one process that made it.
        EXPECT_EQ(Numero(base, "SELECT count(*) FROM tOperadores"), 900);
        EXPECT_EQ(Numero(base, "SELECT count(*) FROM (SELECT coddeclar FROM tOperadores "
                               "GROUP BY coddeclar HAVING count(*) <> 3)"), 0);
        EXPECT_EQ(prueba::Valor(base, "PRAGMA integrity_check"), "ok");
    }
}

}  // namespace
