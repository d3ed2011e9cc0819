// Import runs and the unit of an imported line: lines of a run share their
// commits, a failing line leaves nothing of itself, and a record 1 is stored
// whole or not at all.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "base_usuario_prueba.h"
#include "comun/numero_de_error.h"
#include "db/cdeclaraciones.h"
#include "db/cdeclarante.h"
#include "registro_disco.h"
#include "exchange/cimportacion.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "quelvort/textfile.h"

using namespace quelvodat;

namespace {

class LoteImportacion : public prueba::ConBaseUsuario {
protected:
    void SetUp() override {
        ConBaseUsuario::SetUp();
        lineas_ = rt::ReadAllLines(std::string(QUELVO_FIXTURES_DIR) +
                                   "/importacion/soporte_2011.txt");
    }

    // One line as the dialog gives it: a new object with the carried state.
    void Linea(const std::string& linea) {
        cImportacion o;
        o.mdbmod(mod_);
        o.mdblec(std::string(QUELVO_BIN_DIR) + "/Tablas/794Lec.mdb");
        o.EjercicioMin(1993);
        o.EjercicioMax(2013);
        o.declaracion(declaracion_);
        o.RechazarDeclaracion(rechazar_);
        o.Periodo(periodo_);
        o.Periodicidad(periodicidad_);
        rt::Variant& errores = errores_;
        errores = rt::Variant();
        // The state is carried on after a failing line too.
        struct Copia {
            LoteImportacion& t;
            cImportacion& o;
            ~Copia() {
                t.declaracion_ = o.declaracion();
                t.rechazar_ = o.RechazarDeclaracion();
                t.periodo_ = o.Periodo();
                t.periodicidad_ = o.Periodicidad();
                t.resultado_ = o.Resultado();
            }
        } copia{*this, o};
        o.importSpte(linea, errores, false);
    }
    void Ejecucion(bool iniciar) {
        cImportacion o;
        o.mdbmod(mod_);
        iniciar ? o.IniciarImportacion() : o.TerminarImportacion();
    }

    // Counts as another process sees them: committed rows only.
    int32_t Cuenta(const std::string& tabla) {
        sqlite::Database otra(mod_, sqlite::Mode::ReadOnly);
        return rt::CLng(otra.query("SELECT count(*) FROM " + tabla)->Field(0));
    }
    std::string Nombre(const std::string& nif) {
        sqlite::Database otra(mod_, sqlite::Mode::ReadOnly);
        auto rs = otra.query("SELECT nombred FROM TDeclarante WHERE dni_cifd = ?", {nif});
        return rs->Eof() ? "<none>" : rs->Field(0).str();
    }
    bool Pendiente() {
        return ConexionCompartida().EnLote() && UsoBD(bd794mod, mod_).base().inTransaction();
    }

    // A line of the fixture for another declarant.
    static std::string ConNif(const std::string& linea, const std::string& nif) {
        return rt::Left(linea, 12) + nif + rt::Mid(linea, 22);
    }
    // Record 1 of the fixture for another declarant.
    std::string Registro1(const std::string& nif) const { return ConNif(lineas_[1], nif); }
    // The valid NIF of DNI number n.
    static std::string Nif(int n) {
        char nif[10];
        std::snprintf(nif, sizeof nif, "%08d", n);
        return nif + std::string(1, "TRWAGMYFPDXBNJZSQVHLCKE"[n % 23]);
    }
    // No declarant, declaration or entry; keys from 1 again.
    void Vaciar() {
        Sql("DELETE FROM tOperadores; DELETE FROM TDeclaraciones; DELETE FROM TDeclarante; "
            "DELETE FROM sqlite_sequence;");
    }
    // Declarants 1 to n, each with a declaration holding one entry.
    void Declaraciones(int n) {
        for (int d = 1; d <= n; ++d) {
            Linea(Registro1(Nif(d)));
            Linea(ConNif(lineas_[2], Nif(d)));
            EXPECT_EQ(resultado_, 0) << d;
        }
    }
    // Saves declarant `codigo` again as it is, as its editor would.
    void GuardarOtraVez(int32_t codigo) {
        cDeclarante declarantes;
        declarantes.mdbmod(mod_);
        rt::Variant guardado;
        declarantes.CargarDeclarante(codigo, guardado);
        std::swap(guardado(13), guardado(14));
        declarantes.GuardarDeclarante(guardado);
    }
    // An entry of the fixture for declarant `nif`, under operation key `clave`.
    std::string Entrada(const std::string& nif, char clave) const {
        std::string linea = ConNif(lineas_[2], nif);
        linea[21] = clave;
        return linea;
    }
    // The first finding of the last line; 0 when none.
    int32_t Hallazgo() const {
        return errores_.isArray() && !errores_(0, 0).isEmpty() ? rt::CLng(errores_(0, 0)) : 0;
    }
    // Gives declarant `codigo` another NIF, as its editor would.
    void CambiarNif(int32_t codigo, const std::string& nif) {
        cDeclarante declarantes;
        declarantes.mdbmod(mod_);
        rt::Variant guardado;
        declarantes.CargarDeclarante(codigo, guardado);
        std::swap(guardado(13), guardado(14));
        guardado(1) = nif;
        declarantes.GuardarDeclarante(guardado);
    }
    // Waits, as a user answering a question, until the run's own thread has
    // committed its lines.
    void EsperarAlVigilante() {
        for (int espera = 0; espera < 300 && Pendiente(); ++espera)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    std::vector<std::string> lineas_;
    rt::Variant errores_;
    std::string declaracion_ = "0";
    bool rechazar_ = false;
    uint8_t periodo_ = 0, periodicidad_ = 0, resultado_ = 0;
};

TEST_F(LoteImportacion, ARunCommitsAtADeclarationOnceItsLinesHaveWaitedAndAtItsEnd) {
    Ejecucion(true);
    const auto inicio = std::chrono::steady_clock::now();
    for (size_t i = 0; i < lineas_.size(); ++i) {
        Linea(lineas_[i]);
        if (i > 0) {
            EXPECT_EQ(resultado_, 0) << i;
        }
    }
    // The lines wait for their commit: another process sees none of them.
    EXPECT_TRUE(Pendiente());
    EXPECT_EQ(Cuenta("tOperadores"), 0);
    // A record 1 right after them leaves them waiting: small declarations
    // would spend their time committing. A machine so loaded that they had
    // aged by then has them committed, as it should.
    Linea(Registro1("00000001R"));
    const bool jovenes = std::chrono::steady_clock::now() - inicio < kEdadMinimaLote;
    EXPECT_EQ(resultado_, 0);
    if (jovenes) EXPECT_EQ(Cuenta("tOperadores"), 0);
    Linea(ConNif(lineas_[2], "00000001R"));
    EXPECT_EQ(resultado_, 0);
    // Once they have waited a little, the next record 1 commits what came
    // before it, well before the run's own thread would.
    std::this_thread::sleep_for(kEdadMinimaLote * 2);
    Linea(Registro1("00000002W"));
    EXPECT_EQ(resultado_, 0);
    EXPECT_EQ(Cuenta("tOperadores"), 4);
    EXPECT_EQ(Cuenta("TDeclaraciones"), 2);
    Linea(ConNif(lineas_[2], "00000002W"));
    EXPECT_EQ(resultado_, 0);
    Ejecucion(false);
    EXPECT_FALSE(Pendiente());
    EXPECT_EQ(Cuenta("TDeclaraciones"), 3);
    EXPECT_EQ(Cuenta("tOperadores"), 5);
}

TEST_F(LoteImportacion, WithoutARunEveryLineIsCommittedOnItsOwn) {
    for (const auto& linea : lineas_) {
        Linea(linea);
        EXPECT_FALSE(UsoBD(bd794mod, mod_).base().inTransaction());
    }
    EXPECT_EQ(Cuenta("tOperadores"), 3);
}

TEST_F(LoteImportacion, ClosingEverythingCommitsARunsPendingLines) {
    Ejecucion(true);
    for (const auto& linea : lineas_) Linea(linea);
    ConexionCompartida().CerrarTodo();
    EXPECT_FALSE(ConexionCompartida().EnLote());
    EXPECT_EQ(Cuenta("tOperadores"), 3);
}

TEST_F(LoteImportacion, AFailingLineLeavesNothingOfItselfAndTheRunGoesOn) {
    Sql("CREATE TRIGGER rechazo BEFORE INSERT ON tOperadores WHEN NEW.nifo LIKE '987654321%' "
        "BEGIN SELECT RAISE(ABORT, 'rechazada'); END;");
    for (bool enLote : {true, false}) {
        SCOPED_TRACE(enLote ? "run" : "no run");
        Sql("DELETE FROM tOperadores; DELETE FROM TDeclaraciones; DELETE FROM TDeclarante;");
        if (enLote) Ejecucion(true);
        Linea(lineas_[0]);
        Linea(lineas_[1]);
        Linea(lineas_[2]);
        std::string descripcion;
        EXPECT_NE(prueba::NumeroDeError([&] { Linea(lineas_[3]); }, &descripcion), 0);
        EXPECT_NE(descripcion.find("cdeclarado.GuardarDeclarado rechazada"), std::string::npos)
            << descripcion;
        // What came before the failure is kept at once.
        EXPECT_EQ(Cuenta("tOperadores"), 1);
        Linea(lineas_[4]);
        if (enLote) Ejecucion(false);
        EXPECT_EQ(Cuenta("tOperadores"), 2);
        EXPECT_EQ(Cuenta("TDeclaraciones"), 1);
    }
}

TEST_F(LoteImportacion, IdleLinesWhoseCommitFailsAreReportedByTheNextLineOrTheEnd) {
    for (bool alTerminar : {false, true}) {
        SCOPED_TRACE(alTerminar ? "at the end" : "at the next line");
        Ejecucion(true);
        Linea(lineas_[0]);
        Linea(lineas_[1]);
        Linea(lineas_[2]);
        ASSERT_TRUE(Pendiente());
        // The run is left idle and its own commit of the lines fails.
        sqlite3* db = UsoBD(bd794mod, mod_).base().handle();
        sqlite3_commit_hook(db, [](void*) { return 1; }, nullptr);
        EsperarAlVigilante();
        sqlite3_commit_hook(db, nullptr, nullptr);
        EXPECT_FALSE(Pendiente());
        const int32_t fallo = sqlite::kEngineErrorBase + SQLITE_CONSTRAINT;
        if (alTerminar) {
            EXPECT_EQ(prueba::NumeroDeError([&] { Ejecucion(false); }), fallo);
        } else {
            EXPECT_EQ(prueba::NumeroDeError([&] { Linea(lineas_[3]); }), fallo);
            // Told once; the run goes on.
            Linea(Registro1("00000001R"));
            EXPECT_EQ(resultado_, 0);
            Ejecucion(false);
            EXPECT_EQ(Cuenta("TDeclaraciones"), 1);
            Sql("DELETE FROM TDeclaraciones; DELETE FROM TDeclarante;");
        }
        EXPECT_EQ(Cuenta("tOperadores"), 0);
        EXPECT_FALSE(ConexionCompartida().EnLote());
    }
}

// A killed process loses nothing the run committed, whether or not it was
// synced; so the run leaves its commits at declarations to the operating
// system, writes its log into the file seldom (each time syncs), and puts
// everything on the disk at its end.
TEST_F(LoteImportacion, ARunSyncsItsLogAtItsEndAndHardlyBefore) {
    for (bool rechazadaAlFinal : {false, true}) {
        SCOPED_TRACE(rechazadaAlFinal ? "ending with a refused record 1" : "ending with an entry");
        Vaciar();
        prueba::RegistroDisco disco;
        Ejecucion(true);
        const int antes = disco.Sincronizaciones();
        // Some 3,000 pages of log.
        constexpr int kDeclaraciones = 300;
        Declaraciones(kDeclaraciones);
        // Its declaration overlaps the last one: nothing of it is stored.
        if (rechazadaAlFinal) {
            Linea(Registro1(Nif(kDeclaraciones)));
            EXPECT_EQ(resultado_, 4);
        }
        EXPECT_LT(disco.Sincronizaciones() - antes, 3);
        Ejecucion(false);
        EXPECT_EQ(disco.SinSincronizar(), 0);
        EXPECT_EQ(Cuenta("TDeclaraciones"), kDeclaraciones);
        EXPECT_EQ(Cuenta("tOperadores"), kDeclaraciones);
        // Outside a run every change is on the disk when its member returns.
        GuardarOtraVez(1);
        EXPECT_EQ(disco.SinSincronizar(), 0);
        ConexionCompartida().CerrarTodo();
    }
}

// Lines left waiting (the desktop asking its user, or busy elsewhere) are on
// the disk once they are committed, and so is a change another member makes
// meanwhile.
TEST_F(LoteImportacion, LinesLeftWaitingAreOnTheDiskOnceCommitted) {
    for (bool pregunta : {false, true}) {
        SCOPED_TRACE(pregunta ? "committed before a question"
                              : "committed by the run's own thread");
        Vaciar();
        prueba::RegistroDisco disco;
        Ejecucion(true);
        Declaraciones(3);
        ASSERT_TRUE(Pendiente());
        if (pregunta) {
            cImportacion o;
            o.mdbmod(mod_);
            o.ConfirmarImportacion();
        } else {
            EsperarAlVigilante();
        }
        EXPECT_FALSE(Pendiente());
        EXPECT_EQ(disco.SinSincronizar(), 0);
        EXPECT_EQ(Cuenta("tOperadores"), 3);

        GuardarOtraVez(1);
        EXPECT_EQ(disco.SinSincronizar(), 0);
        Linea(Registro1(Nif(4)));
        Ejecucion(false);
        EXPECT_EQ(disco.SinSincronizar(), 0);
        EXPECT_EQ(Cuenta("TDeclaraciones"), 4);
        ConexionCompartida().CerrarTodo();
    }
}

// Inside a run the entries of one declaration have their declarant checked
// once; a change that matters, made meanwhile by another member or, between
// two commits, by another process, is still caught.
TEST_F(LoteImportacion, AnEntrysDeclarantIsCheckedOnceYetAChangeThatMattersIsCaught) {
    constexpr int32_t kOtroDeclarante = 69;
    auto comprobaciones = [&] {
        int n = 0;
        sqlite3* db = UsoBD(bd794mod, mod_).base().handle();
        for (sqlite3_stmt* s = sqlite3_next_stmt(db, nullptr); s; s = sqlite3_next_stmt(db, s))
            if (std::string_view(sqlite3_sql(s)).find("JOIN TDeclarante") != std::string_view::npos)
                n += sqlite3_stmt_status(s, SQLITE_STMTSTATUS_RUN, 1);
        return n;
    };
    Ejecucion(true);
    Linea(lineas_[0]);
    Linea(lineas_[1]);
    ASSERT_EQ(resultado_, 0);
    const int32_t declaracion = rt::CLng(declaracion_);
    comprobaciones();
    for (char clave : {'A', 'E', 'S'}) {
        Linea(Entrada("12345678Z", clave));
        EXPECT_EQ(resultado_, 0) << clave;
    }
    EXPECT_EQ(comprobaciones(), 1);

    // Another member gives the declarant another NIF while the lines wait.
    CambiarNif(1, "00000001R");
    ASSERT_TRUE(Pendiente());
    Linea(Entrada("12345678Z", 'T'));
    EXPECT_EQ(resultado_, 3);
    EXPECT_EQ(Hallazgo(), kOtroDeclarante);
    Linea(Entrada("00000001R", 'T'));
    EXPECT_EQ(resultado_, 0);

    // Another process gives it back its NIF between two commits.
    cImportacion confirmar;
    confirmar.mdbmod(mod_);
    confirmar.ConfirmarImportacion();
    Sql("UPDATE TDeclarante SET dni_cifd = '12345678Z'");
    Linea(Entrada("00000001R", 'I'));
    EXPECT_EQ(Hallazgo(), kOtroDeclarante);
    Linea(Entrada("12345678Z", 'I'));
    EXPECT_EQ(resultado_, 0);

    // Another member deletes the declaration while the lines wait.
    cDeclaraciones declaraciones;
    declaraciones.mdbmod(mod_);
    declaraciones.EliminarDeclaracion(declaracion);
    Linea(Entrada("12345678Z", 'M'));
    EXPECT_EQ(Hallazgo(), kOtroDeclarante);
    Ejecucion(false);
    EXPECT_EQ(Cuenta("TDeclaraciones"), 0);
    EXPECT_EQ(Cuenta("tOperadores"), 0);
}

TEST_F(LoteImportacion, ARecord1IsStoredWholeOrNotAtAll) {
    // The declaration cannot be stored: neither the new declarant nor the new
    // name of an existing one stays, and the first error is the one raised.
    Sql("CREATE TRIGGER rechazo BEFORE INSERT ON TDeclaraciones "
        "BEGIN SELECT RAISE(ABORT, 'sin declaraciones'); END;"
        "INSERT INTO TDeclarante VALUES (5, '12345678Z', 'NOMBRE ANTERIOR', 'CL', 'MAYOR', 1, "
        "' ', ' ', ' ', ' ', 1, 1, 'VITORIA-GASTEIZ', 945000000, ' ', 0);");
    for (bool enLote : {true, false}) {
        SCOPED_TRACE(enLote ? "run" : "no run");
        if (enLote) Ejecucion(true);
        for (const std::string& nif : {std::string("12345678Z"), std::string("00000001R")}) {
            std::string descripcion;
            EXPECT_NE(prueba::NumeroDeError([&] { Linea(Registro1(nif)); }, &descripcion), 0);
            EXPECT_EQ(descripcion, "cDeclaraciones.GuardarDeclaracion sin declaraciones");
            EXPECT_TRUE(rechazar_);
            // Its entries are ignored.
            Linea(lineas_[2]);
            EXPECT_EQ(resultado_, 2);
        }
        if (enLote) Ejecucion(false);
        EXPECT_EQ(Nombre("12345678Z"), "NOMBRE ANTERIOR");
        EXPECT_EQ(Cuenta("TDeclarante"), 1);
        EXPECT_EQ(Cuenta("tOperadores"), 0);
    }
}

}  // namespace
