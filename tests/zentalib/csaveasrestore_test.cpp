// Backup and restore reached by name, as the program's menu commands reach
// them, with the boxes answered as a user would or by QUELVO_SIN_DIALOGOS.
#include "zentalib/cSaveAsRestore.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <functional>

#include "bd_prueba.h"
#include "qt_prueba.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/object.h"
#include "quelvort/tempfile.h"

namespace {

using namespace prueba;

class SaveAsRestore : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AsegurarAplicacion(); }
    void SetUp() override { MostrarDialogos(false); }
    void TearDown() override {
        for (const auto& carpeta : carpetas_) fs::remove_all(carpeta);
    }

    // A fresh folder for the user database and its backup.
    void Nueva(const std::string& nombre) {
        dir_ = CarpetaTemporal(nombre);
        carpetas_.push_back(dir_);
        vivo_ = dir_ / "Tablas" / "794Mod.mdb";
        copia_ = dir_ / "backups" / "794Mod_bak.mdb";
        fs::create_directories(vivo_.parent_path());
        fs::create_directories(copia_.parent_path());
    }

    // The object set as the menu commands set it, to copy `de` over `a`.
    static auto Objeto(const fs::path& de, const fs::path& a, int32_t idioma = 0,
                       const std::string& separador = "/") {
        auto objeto = rt::CreateObjectAs<zentalib::_cSaveAsRestore>("Zentalib.cSaveAsRestore");
        objeto->ArchivoOrigen(de.filename().string());
        objeto->ArchivoDestino(a.filename().string());
        objeto->RutaDestino(a.parent_path().string() + separador);
        objeto->RutaOrigen(de.parent_path().string() + separador);
        objeto->Idioma(idioma);
        return objeto;
    }

    // The call's answer; every box it shows goes to responder and into vistos_.
    bool Llamar(const std::function<bool()>& llamada,
                const std::function<void(QWidget*)>& responder = Cerrar) {
        bool resultado = false;
        vistos_ = ConModales([&] { resultado = llamada(); }, responder);
        return resultado;
    }

    fs::path dir_, vivo_, copia_;
    std::vector<fs::path> carpetas_;
    std::vector<Modal> vistos_;
};

TEST_F(SaveAsRestore, BackupOfADatabaseInUseHoldsItsLatestRows) {
    for (const std::string separador : {"/", ""}) {
        SCOPED_TRACE("separator '" + separador + "'");
        Nueva("backup");
        fs::remove(copia_.parent_path());
        CrearBaseUsuario(vivo_, "Ana");
        const auto abierta = AbrirEnWal(vivo_, "INSERT INTO TDeclarante (nombred) VALUES ('Bea'),('Carla');");
        // The premise: a plain file copy misses the rows still in the WAL.
        fs::copy_file(vivo_, dir_ / "simple.mdb");
        ASSERT_EQ(Nombres(dir_ / "simple.mdb"), "Ana");

        EXPECT_TRUE(Llamar([&] { return Objeto(vivo_, copia_, 0, separador)->CrearBackup(); }));
        EXPECT_EQ(Contenido(copia_.parent_path()), "794Mod_bak.mdb;");
        EXPECT_EQ(Nombres(copia_), "Ana,Bea,Carla");
    }
}

TEST_F(SaveAsRestore, AFailedBackupAnswersFalseAndKeepsTheOldBackup) {
    using Crear = std::function<void(const fs::path&)>;
    const struct {
        const char* nombre;
        Crear crear;
    } casos[] = {
        {"no file", [](const fs::path&) {}},
        {"text file", [](const fs::path& p) { EscribirBytes(p, "Nombre;NIF\r\nAna;12345678Z\r\n"); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Nueva("backup-fallido");
        CrearBaseUsuario(copia_, "Antiguo");
        c.crear(vivo_);
        const auto antes = LeerBytes(copia_);
        EXPECT_FALSE(Llamar([&] { return Objeto(vivo_, copia_)->CrearBackup(); }));
        EXPECT_TRUE(vistos_.empty());
        EXPECT_EQ(LeerBytes(copia_), antes);
        EXPECT_EQ(Contenido(copia_.parent_path()), "794Mod_bak.mdb;");
    }
}

// Asked first when the copy is a user database, told why when it is not; the
// target changes only when the user said Yes.
TEST_F(SaveAsRestore, RestoreWithItsBoxesAnsweredByTheUser) {
    MostrarDialogos(true);
    using Crear = std::function<void(const fs::path&)>;
    const Crear guardada = [](const fs::path& p) { CrearBaseUsuario(p, "Guardado"); };
    const struct {
        const char* nombre;
        Crear crear;
        QString boton = "Aceptar";
        QMessageBox::Icon icono = QMessageBox::Warning;
        int32_t idioma = 0;
    } casos[] = {
        {"No", guardada, "No", QMessageBox::Question},
        {"Sí", guardada, "Sí", QMessageBox::Question},
        {"Ez", guardada, "Ez", QMessageBox::Question, 10000},
        {"Bai", guardada, "Bai", QMessageBox::Question, 10000},
        {"text file", [](const fs::path& p) { EscribirBytes(p, "Nombre;NIF\r\nAna;12345678Z\r\n"); }},
        {"empty file", [](const fs::path& p) { EscribirBytes(p, ""); }},
        {"foreign SQLite file", [](const fs::path& p) { EjecutarSql(p, "CREATE TABLE clientes (id);"); }},
        {"user tables but tOperadores",
         [](const fs::path& p) { CrearBaseUsuario(p, "Ana"); EjecutarSql(p, "DROP TABLE tOperadores;"); }},
        {"truncated user database",
         [](const fs::path& p) { CrearBaseUsuario(p, "Ana"); fs::resize_file(p, fs::file_size(p) / 2); }},
        {"missing file", [](const fs::path&) {}, "Onartu", QMessageBox::Warning, 10000},
        {"a folder", [](const fs::path& p) { fs::create_directories(p); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Nueva("restaurar");
        CrearBaseUsuario(vivo_, "Actual");
        c.crear(copia_);
        const auto antes = LeerBytes(vivo_);
        // A box without that button stays open and is recorded again, as
        // "(timeout)"; the confirmation after a restore is acknowledged.
        const bool resultado = Llamar([&] { return Objeto(copia_, vivo_, c.idioma)->CrearRestore(); },
                                      [&](QWidget* w) {
                                          for (auto* boton : w->findChildren<QAbstractButton*>())
                                              if (boton->text() == c.boton ||
                                                  (vistos_.size() == 1 && boton->text() == "Aceptar") ||
                                                  (vistos_.size() == 1 && boton->text() == "Onartu"))
                                                  return boton->click();
                                      });
        ASSERT_EQ(vistos_.size(), resultado ? 2u : 1u);
        EXPECT_EQ(vistos_[0].icono, c.icono);
        if (resultado) {
            EXPECT_EQ(vistos_[1].icono, QMessageBox::Information);
        }
        EXPECT_EQ(resultado, c.boton == "Sí" || c.boton == "Bai");
        EXPECT_EQ(Contenido(vivo_.parent_path()), "794Mod.mdb;");
        if (resultado) EXPECT_EQ(Nombres(vivo_), "Guardado");
        else EXPECT_EQ(LeerBytes(vivo_), antes);
    }
}

// The date a copy holds is its file's: 04/03/2012 05:06:07 local time.
const QDateTime kFechaCopia(QDate(2012, 3, 4), QTime(5, 6, 7));

void Fechar(const fs::path& ruta) {
    QFile fichero(QString::fromStdString(ruta.string()));
    ASSERT_TRUE(fichero.open(QIODevice::ReadWrite));
    ASSERT_TRUE(fichero.setFileTime(kFechaCopia, QFileDevice::FileModificationTime));
}

QDateTime Fecha(const fs::path& ruta) {
    return QFileInfo(QString::fromStdString(ruta.string())).lastModified();
}

// Answers a question with the button of that text, or with Esc; a box that
// tells what was done is acknowledged.
std::function<void(QWidget*)> Responder(const QString& respuesta) {
    return [respuesta](QWidget* w) {
        auto* caja = qobject_cast<QMessageBox*>(w);
        if (caja && caja->icon() == QMessageBox::Question && respuesta == "Esc") {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(caja, &esc);
            return;
        }
        for (auto* boton : w->findChildren<QAbstractButton*>())
            if (boton->text() == respuesta || boton->text() == "Aceptar" || boton->text() == "Onartu")
                return boton->click();
    };
}

// A backup would replace the earlier one, and with it whatever was deleted
// since: the user is asked first, told which copy of which date; No leaves it
// as it was and says nothing was done.
TEST_F(SaveAsRestore, ABackupOverAnEarlierOneAsksFirstNamingItsDate) {
    MostrarDialogos(true);
    const QString pregunta[] = {
        "Ya existe la copia de seguridad %2, del 04/03/2012 05:06. Si se sustituye por una nueva, se "
        "perderá lo que solo esté en ella.\n¿Desea sustituirla?",
        "%2 segurtasun kopia badago jada (data: 2012/03/04 05:06). Berri batekin ordezten bada, bertan "
        "bakarrik dagoena galdu egingo da.\nOrdeztu nahi duzu?"};
    const struct {
        const char* nombre;
        int32_t idioma;
        bool anterior;  // an earlier backup is there
        QString respuesta;
        bool sustituye;
    } casos[] = {
        {"No", 0, true, "No", false},         {"Sí", 0, true, "Sí", true},
        {"Ez", 10000, true, "Ez", false},     {"Bai", 10000, true, "Bai", true},
        {"Esc", 0, true, "Esc", false},       {"first backup", 0, false, "", true},
        {"first backup, Basque", 10000, false, "", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Nueva("sustituir");
        CrearBaseUsuario(vivo_, "Actual");
        if (c.anterior) {
            CrearBaseUsuario(copia_, "Anterior");
            Fechar(copia_);
        }
        const auto antes = LeerBytes(copia_);
        auto objeto = Objeto(vivo_, copia_, c.idioma);
        EXPECT_EQ(Llamar([&] { return objeto->CrearBackup(); }, Responder(c.respuesta)), c.sustituye);
        ASSERT_EQ(vistos_.size(), (c.anterior ? 1u : 0u) + (c.sustituye ? 1u : 0u));
        if (c.anterior) {
            EXPECT_EQ(vistos_.front().icono, QMessageBox::Question);
            EXPECT_EQ(vistos_.front().texto.toStdString(),
                      QString(pregunta[c.idioma ? 1 : 0])
                          .replace("%2", QString::fromStdString(copia_.string()))
                          .toStdString());
        }
        if (c.sustituye) {
            EXPECT_EQ(vistos_.back().icono, QMessageBox::Information);
            EXPECT_EQ(Nombres(copia_), "Actual");
        } else {
            EXPECT_TRUE(LeerBytes(copia_) == antes) << "the earlier backup changed";
            EXPECT_EQ(Fecha(copia_), kFechaCopia);
        }
        EXPECT_EQ(objeto->DetalleFallo(), "");
        EXPECT_EQ(Contenido(copia_.parent_path()), "794Mod_bak.mdb;");
    }
}

// The user can tell which state a copy holds before it replaces the database.
TEST_F(SaveAsRestore, TheRestoreQuestionGivesTheCopysDate) {
    MostrarDialogos(true);
    const struct {
        int32_t idioma;
        QString respuesta;
        QString texto;
    } casos[] = {
        {0, "No",
         "La base de datos %1 se sustituirá por la copia %2, del 04/03/2012 05:06. Los datos actuales se "
         "perderán.\n¿Desea continuar?"},
        {10000, "Ez",
         "%1 datu-basearen ordez %2 kopia (data: 2012/03/04 05:06) jarriko da. Uneko datuak galdu egingo "
         "dira.\nJarraitu nahi duzu?"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.idioma);
        Nueva("fecha-restaurar");
        CrearBaseUsuario(vivo_, "Actual");
        CrearBaseUsuario(copia_, "Copia");
        Fechar(copia_);
        const auto antes = LeerBytes(vivo_);
        EXPECT_FALSE(Llamar([&] { return Objeto(copia_, vivo_, c.idioma)->CrearRestore(); },
                            Responder(c.respuesta)));
        ASSERT_EQ(vistos_.size(), 1u);
        EXPECT_EQ(vistos_[0].texto.toStdString(),
                  QString(c.texto)
                      .replace("%1", QString::fromStdString(vivo_.string()))
                      .replace("%2", QString::fromStdString(copia_.string()))
                      .toStdString());
        EXPECT_TRUE(LeerBytes(vivo_) == antes);
    }
}

// Each says what it did, or what is wrong with which file, in the user's
// language; the engine's and the system's own words are kept for the error
// log and never shown.
TEST_F(SaveAsRestore, BackupAndRestoreSayWhatTheyDidOrWhatIsWrongWithWhichFile) {
    MostrarDialogos(true);
    using Preparar = std::function<void(const fs::path& vivo, const fs::path& copia)>;
    const Preparar listas = [](const fs::path&, const fs::path&) {};
    const QString sin_cambio[] = {"\nLa base de datos no ha cambiado.", "\nDatu-basea ez da aldatu."};
    const QString se_conserva[] = {"\nLa copia de seguridad anterior, si la había, se conserva.",
                                   "\nAurreko segurtasun kopia, baldin bazegoen, gorde egin da."};
    // %1 the user database, %2 its backup.
    const struct {
        const char* nombre;
        bool restaurar;
        Preparar preparar;
        QString texto[2];     // Spanish, Basque
        const char* tecnico;  // in the log's text only
    } casos[] = {
        {"backup", false, listas,
         {"Se ha creado la copia de seguridad %2.", "%2 segurtasun kopia sortu da."}, ""},
        {"restore", true, listas,
         {"La base de datos %1 se ha restaurado a partir de la copia %2.",
          "%1 datu-basea %2 kopiatik leheneratu da."},
         ""},
        {"restore of a folder", true,
         [](const fs::path&, const fs::path& copia) { fs::remove(copia); fs::create_directories(copia); },
         {"%2 es una carpeta, no un archivo." + sin_cambio[0], "%2 karpeta bat da, ez fitxategi bat." + sin_cambio[1]},
         ""},
        {"restore of a truncated backup", true,
         [](const fs::path&, const fs::path& copia) { fs::resize_file(copia, fs::file_size(copia) / 2); },
         {"La base de datos %2 está dañada." + sin_cambio[0], "%2 datu-basea hondatuta dago." + sin_cambio[1]},
         "malformed"},
        // Begins as every database of the engine does: a copy spoilt after
        // its first bytes is damaged, not someone else's file.
        {"restore of a backup with the engine's mark and garbage after it", true,
         [](const fs::path&, const fs::path& copia) {
             EscribirBytes(copia, std::string("SQLite format 3\0", 16) + std::string(8192, 'x'));
         },
         {"La base de datos %2 está dañada." + sin_cambio[0], "%2 datu-basea hondatuta dago." + sin_cambio[1]},
         "file is not a database"},
        {"restore of a backup with its whole header and garbage after it", true,
         [](const fs::path&, const fs::path& copia) {
             EscribirBytes(copia, LeerBytes(copia).substr(0, 100) + std::string(8192, 'x'));
         },
         {"La base de datos %2 está dañada." + sin_cambio[0], "%2 datu-basea hondatuta dago." + sin_cambio[1]},
         "malformed"},
        {"restore of a text file", true,
         [](const fs::path&, const fs::path& copia) { EscribirBytes(copia, "Nombre;NIF\r\nAna;12345678Z\r\n"); },
         {"El archivo %2 no es una base de datos del programa." + sin_cambio[0],
          "%2 fitxategia ez da programaren datu-base bat." + sin_cambio[1]},
         "file is not a database"},
        {"backup of a folder", false,
         [](const fs::path& vivo, const fs::path&) { fs::remove(vivo); fs::create_directories(vivo); },
         {"%1 es una carpeta, no un archivo." + se_conserva[0], "%1 karpeta bat da, ez fitxategi bat." + se_conserva[1]},
         ""},
        {"backup onto a folder", false,
         [](const fs::path&, const fs::path& copia) { fs::remove(copia); fs::create_directories(copia); },
         {"%2 es una carpeta, no un archivo." + se_conserva[0], "%2 karpeta bat da, ez fitxategi bat." + se_conserva[1]},
         ""},
    };
    for (const auto& c : casos)
        for (const int32_t idioma : {0, 10000}) {
            SCOPED_TRACE(std::string(c.nombre) + (idioma ? ", Basque" : ", Spanish"));
            Nueva("textos");
            CrearBaseUsuario(vivo_, "Actual");
            CrearBaseUsuario(copia_, "Copia");
            c.preparar(vivo_, copia_);
            auto objeto = c.restaurar ? Objeto(copia_, vivo_, idioma) : Objeto(vivo_, copia_, idioma);
            const bool hecho = Llamar([&] { return c.restaurar ? objeto->CrearRestore() : objeto->CrearBackup(); },
                                      [](QWidget* w) {
                                          for (auto* boton : w->findChildren<QAbstractButton*>())
                                              if (QStringList{"Sí", "Bai", "Aceptar", "Onartu"}.contains(boton->text()))
                                                  return boton->click();
                                      });
            const bool correcto = std::string(c.nombre) == "backup" || std::string(c.nombre) == "restore";
            EXPECT_EQ(hecho, correcto);
            if (vistos_.empty()) {
                ADD_FAILURE() << "nothing said";
                continue;
            }
            EXPECT_EQ(vistos_.back().icono, correcto ? QMessageBox::Information : QMessageBox::Warning);
            EXPECT_EQ(vistos_.back().texto.toStdString(),
                      QString(c.texto[idioma ? 1 : 0])
                          .replace("%1", QString::fromStdString(vivo_.string()))
                          .replace("%2", QString::fromStdString(copia_.string()))
                          .toStdString());
            const std::string detalle = objeto->DetalleFallo();
            EXPECT_NE(detalle.find(c.tecnico), std::string::npos) << detalle;
            EXPECT_EQ(detalle.empty(), std::string(c.tecnico).empty()) << detalle;
        }
}

// Only a file the program could have written replaces the user database or
// its backup: anything more would act on the user's data once in place.
TEST_F(SaveAsRestore, RestoreAndBackupRefuseWhatIsNoSoundUserDatabase) {
    const auto con = [](const std::string& sql) {
        return [sql](const fs::path& p) { CrearBaseUsuario(p, "Copia"); EjecutarSql(p, sql); };
    };
    // The table's definition with `de` put as `a`, as a hand edit of the file
    // would leave it: the rows stay, the saves that follow fail.
    const auto redefinida = [](const std::string& tabla, const std::string& de, const std::string& a,
                               void (*crear)(const fs::path&, const std::string&) = CrearBaseUsuario) {
        return [=](const fs::path& p) {
            crear(p, "Copia");
            EjecutarSql(p, "PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = replace(sql, '" + de +
                               "', '" + a + "') WHERE name = '" + tabla + "';");
        };
    };
    using Crear = std::function<void(const fs::path&)>;
    const struct {
        const char* nombre;
        Crear crear;
    } casos[] = {
        {"tables without the columns",
         [](const fs::path& p) {
             EjecutarSql(p, "CREATE TABLE TDeclarante(x); CREATE TABLE TPresentador(x);"
                            "CREATE TABLE TDeclaraciones(x); CREATE TABLE tOperadores(x);"
                            "CREATE TABLE tgeneral(x);");
         }},
        {"a trigger", con("CREATE TRIGGER borrar AFTER INSERT ON tOperadores BEGIN DELETE FROM TDeclarante; END;")},
        {"a view", con("CREATE VIEW v AS SELECT * FROM TDeclarante;")},
        {"another table", con("CREATE TABLE clientes (id);")},
        {"another index", con("CREATE UNIQUE INDEX unico ON tOperadores (nifo);")},
        {"another column", con("ALTER TABLE TDeclarante ADD COLUMN nota TEXT;")},
        {"a column missing", con("ALTER TABLE TPresentador DROP COLUMN telefonop;")},
        {"a column of another type",
         con("ALTER TABLE TDeclarante DROP COLUMN telefonopd; ALTER TABLE TDeclarante ADD COLUMN telefonopd BLOB;")},
        {"half an earlier layout", con("ALTER TABLE tOperadores DROP COLUMN tipoopo;")},
        {"a known index made unique",
         con("DROP INDEX tOperadores_coddeclar_nifo;"
             "CREATE UNIQUE INDEX tOperadores_coddeclar_nifo ON tOperadores (coddeclar, nifo COLLATE NOCASE);")},
        {"a known index made partial",
         con("DROP INDEX TDeclarante_dni_cifd;"
             "CREATE INDEX TDeclarante_dni_cifd ON TDeclarante (dni_cifd) WHERE dni_cifd <> '';")},
        {"the declarant lookup's index on another expression",
         con("DROP INDEX TDeclarante_nif;"
             "CREATE INDEX TDeclarante_nif ON TDeclarante (dni_cifd COLLATE NOCASE);")},
        {"a CHECK constraint", redefinida("TDeclarante", "nombred     TEXT", "nombred TEXT CHECK (nombred <> '''')")},
        {"a NOT NULL constraint", redefinida("tOperadores", "razon        TEXT", "razon TEXT NOT NULL")},
        {"an earlier layout with its index made unique",
         [](const fs::path& p) {
             CrearBaseUsuarioAnterior(p, "Copia");
             EjecutarSql(p, "DROP INDEX claveopo; CREATE UNIQUE INDEX claveopo ON tOperadores (claveopo);");
         }},
        {"an earlier layout with a NOT NULL constraint",
         redefinida("tDeclaraciones", "moneda VARCHAR(10)", "moneda VARCHAR(10) NOT NULL", CrearBaseUsuarioAnterior)},
        {"damaged pages", [](const fs::path& p) { CrearBaseUsuarioDanada(p); }},
        {"empty file", [](const fs::path& p) { EscribirBytes(p, ""); }},
    };
    for (const bool restaurar : {true, false})
        for (const auto& c : casos) {
            SCOPED_TRACE(std::string(restaurar ? "restore, " : "backup, ") + c.nombre);
            Nueva("ajena");
            // The good file stands where the bad one would go.
            const fs::path bueno = restaurar ? vivo_ : copia_, malo = restaurar ? copia_ : vivo_;
            CrearBaseUsuario(bueno, "Bueno");
            c.crear(malo);
            const auto antes = LeerBytes(bueno);
            EXPECT_FALSE(Llamar([&] {
                return restaurar ? Objeto(malo, bueno)->CrearRestore() : Objeto(malo, bueno)->CrearBackup();
            }));
            EXPECT_TRUE(LeerBytes(bueno) == antes) << "the good file changed";
            EXPECT_EQ(Contenido(bueno.parent_path()), bueno.filename().string() + ";");
        }
}

TEST_F(SaveAsRestore, DamagedPagesPassTheTableCheckButNotTheIntegrityCheck) {
    Nueva("danada");
    CrearBaseUsuarioDanada(copia_);
    EXPECT_NE(EjecutarSql(copia_, "SELECT count(*) FROM sqlite_master"), "");
    std::string integridad;
    try {
        integridad = EjecutarSql(copia_, "PRAGMA integrity_check");
    } catch (const std::exception& e) {
        integridad = e.what();
    }
    EXPECT_NE(integridad, "ok");
    MostrarDialogos(true);
    CrearBaseUsuario(vivo_, "Actual");
    EXPECT_FALSE(Llamar([&] { return Objeto(copia_, vivo_)->CrearRestore(); }));
    ASSERT_EQ(vistos_.size(), 1u);
    EXPECT_TRUE(vistos_[0].texto.contains(QStringLiteral("dañada"))) << vistos_[0].texto.toStdString();
}

// A backup of a database in use (in WAL mode) restores as it was made.
TEST_F(SaveAsRestore, ABackupOfADatabaseInUseRestores) {
    Nueva("ida-vuelta");
    CrearBaseUsuario(vivo_, "Ana");
    {
        const auto abierta = AbrirEnWal(vivo_, "INSERT INTO TDeclarante (nombred) VALUES ('Bea');");
        EXPECT_TRUE(Llamar([&] { return Objeto(vivo_, copia_)->CrearBackup(); }));
    }
    EjecutarSql(vivo_, "DELETE FROM TDeclarante;");
    EXPECT_TRUE(Llamar([&] { return Objeto(copia_, vivo_)->CrearRestore(); }));
    EXPECT_EQ(Nombres(vivo_), "Ana,Bea");
    EXPECT_EQ(Contenido(copia_.parent_path()), "794Mod_bak.mdb;");
}

// Every layout the program has written restores: the upgrade at the next
// start brings an earlier one up to date.
TEST_F(SaveAsRestore, RestoreAcceptsEveryLayoutTheProgramWrites) {
    const auto mejorada = [](const fs::path& p, const std::string& declarante) {
        CrearBaseUsuarioAnterior(p, declarante);
        auto traspaso = rt::CreateObjectAs<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(p.string());
        traspaso->Traspaso();
    };
    using Crear = std::function<void(const fs::path&)>;
    const struct {
        const char* nombre;
        Crear crear;
    } casos[] = {
        {"current", [](const fs::path& p) { CrearBaseUsuario(p, "Copia"); }},
        {"earlier release", [](const fs::path& p) { CrearBaseUsuarioAnterior(p, "Copia"); }},
        {"earlier release, upgraded", [&](const fs::path& p) { mejorada(p, "Copia"); }},
        {"made before the duplicate check's index",
         [](const fs::path& p) {
             CrearBaseUsuario(p, "Copia");
             EjecutarSql(p, "DROP INDEX tOperadores_coddeclar_nifo;");
         }},
        {"made before the declarant lookup's index",
         [](const fs::path& p) {
             CrearBaseUsuario(p, "Copia");
             EjecutarSql(p, "DROP INDEX TDeclarante_nif;");
         }},
        {"with the engine's statistics",
         [](const fs::path& p) {
             CrearBaseUsuario(p, "Copia");
             EjecutarSql(p, "ANALYZE;");
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Nueva("restaurar-capas");
        CrearBaseUsuario(vivo_, "Actual");
        c.crear(copia_);
        EXPECT_TRUE(Llamar([&] { return Objeto(copia_, vivo_)->CrearRestore(); }));
        EXPECT_EQ(Nombres(vivo_), "Copia");
    }
}

// A copy killed half-way leaves its temporary files beside the file it was
// replacing; the next copy either way clears them, but not those of a copy
// still running.
TEST_F(SaveAsRestore, BackupAndRestoreRemoveWhatAKilledCopyLeft) {
    const struct {
        bool restaurar;
        bool junto_al_vivo;  // the leftovers lie beside the user database
    } casos[] = {{false, false}, {false, true}, {true, true}, {true, false}};
    for (const auto& c : casos) {
        const bool restaurar = c.restaurar;
        SCOPED_TRACE(std::string(restaurar ? "restore" : "backup") +
                     (c.junto_al_vivo ? ", beside the user database" : ", beside the backup"));
        Nueva("restos");
        CrearBaseUsuario(vivo_, "Ana");
        CrearBaseUsuario(copia_, "Copia");
        const fs::path destino = c.junto_al_vivo ? vivo_ : copia_;
        const std::string resto = destino.string() + ".tmp0123456789abcdef";
        for (const char* sufijo : {"", "-journal"}) EscribirBytes(resto + sufijo, "x");
        EscribirBytes(destino.string() + ".tmpfedcba9876543210-wal", "x");
        const rt::TempBeside vivo(destino.string());
        ASSERT_TRUE(vivo.Created());

        EXPECT_TRUE(Llamar([&] {
            return restaurar ? Objeto(copia_, vivo_)->CrearRestore() : Objeto(vivo_, copia_)->CrearBackup();
        }));
        EXPECT_EQ(Contenido(destino.parent_path()),
                  destino.filename().string() + ";" + fs::path(vivo.Path()).filename().string() + ";");
    }
}

// A crash left the target with committed rows only in its WAL: they must not
// be replayed onto the restored copy.
TEST_F(SaveAsRestore, WithoutDialogsARestoreOverALeftoverWalAnswersTrueAndHoldsOnlyTheCopy) {
    Nueva("wal-restos");
    const auto abandonada = dir_ / "abandonada.mdb";
    const auto testigo = dir_ / "testigo.mdb";
    CrearBaseUsuario(abandonada, "Viejo");
    {
        const auto abierta = AbrirEnWal(abandonada, "UPDATE TDeclarante SET nombred = 'Wal';");
        for (const fs::path& a : {vivo_, testigo}) {
            fs::copy_file(abandonada, a);
            fs::copy_file(abandonada.string() + "-wal", a.string() + "-wal");
        }
    }
    ASSERT_EQ(Nombres(testigo), "Wal");
    CrearBaseUsuario(copia_, "Restaurado");
    const auto copia = LeerBytes(copia_);

    const auto restaurar = [&] { return Objeto(copia_, vivo_)->CrearRestore(); };
    EXPECT_TRUE(Llamar(restaurar));
    EXPECT_TRUE(vistos_.empty());
    EXPECT_EQ(Contenido(vivo_.parent_path()), "794Mod.mdb;");
    EXPECT_EQ(Nombres(vivo_), "Restaurado");
    EXPECT_EQ(LeerBytes(copia_), copia);

    fs::remove(copia_);
    EXPECT_FALSE(Llamar(restaurar));
    EXPECT_TRUE(vistos_.empty());
}

// The WAL of a database that was lost lies beside a target that is missing
// or no database: replayed onto the restored copy it would spoil it.
TEST_F(SaveAsRestore, ARestoreBesideTheWalOfALostDatabaseHoldsOnlyTheCopy) {
    using Crear = std::function<void(const fs::path&)>;
    const struct {
        const char* nombre;
        Crear crear;
    } casos[] = {
        {"missing target", [](const fs::path&) {}},
        {"empty target", [](const fs::path& p) { EscribirBytes(p, ""); }},
        {"text file as target", [](const fs::path& p) { EscribirBytes(p, "Nombre;NIF\r\nAna;12345678Z\r\n"); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Nueva("wal-perdida");
        const auto perdida = dir_ / "perdida.mdb";
        CrearBaseUsuario(perdida, "Perdido");
        {
            const auto abierta = AbrirEnWal(perdida, "UPDATE TDeclarante SET nombred = 'Wal';");
            for (const char* sufijo : {"-wal", "-shm"})
                fs::copy_file(perdida.string() + sufijo, vivo_.string() + sufijo);
        }
        fs::remove(perdida);
        c.crear(vivo_);
        CrearBaseUsuario(copia_, "Restaurado");

        EXPECT_TRUE(Llamar([&] { return Objeto(copia_, vivo_)->CrearRestore(); }));
        EXPECT_EQ(Contenido(vivo_.parent_path()), "794Mod.mdb;");
        EXPECT_EQ(EjecutarSql(vivo_, "PRAGMA integrity_check"), "ok");
        EXPECT_EQ(Nombres(vivo_), "Restaurado");
    }
}

}  // namespace
