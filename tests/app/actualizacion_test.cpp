// The online version check: the INI reader, the reading and comparison of the
// reply, the download against a loopback server, the two result windows and
// the download page.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "dialogos.h"
#include "entorno.h"
#include "platform/perfil_ini.h"
#include "servidor_http.h"
#include "shell/FrmVersionCheck_794.h"
#include "shell/actualizacion_online.h"
#include "shell/cactonline.h"
#include "shell/catalogo.h"

using namespace quelvo;

namespace {

void Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// --- The INI reader -------------------------------------------------------

TEST(PerfilIni, ReadsValuesByTheProfileRules) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.path() + "/v.ini";
    Escribir(ruta,
             "; comment\r\n"
             "[otra]\r\nclave=de otra\r\n"
             "  [Informacion]\r\n"
             "   CurrentVersion  =  2.8.0 \t\r\n"
             "comillas=\"con blancos \"\r\n"
             "simples='x'\n"
             "desparejas=\"x'\n"
             "igual=a=b\r\n"
             "vacia=\r\n"
             "sinigual\r\n"
             "acento=caf\xE9\r\n"
             "repetida=primera\r\nrepetida=segunda\r\n"
             "[informacion]\r\nsegunda=no se busca\r\n");
    struct Caso {
        const char* seccion;
        const char* clave;
        const char* defecto;
        QString valor;
    };
    const Caso casos[] = {
        {"informacion", "currentversion", " ", "2.8.0"},
        {"INFORMACION", "CURRENTVERSION", " ", "2.8.0"},
        {"informacion", "comillas", " ", "con blancos "},
        {"informacion", "simples", " ", "x"},
        {"informacion", "desparejas", " ", "\"x'"},
        {"informacion", "igual", " ", "a=b"},
        {"informacion", "vacia", " ", ""},
        {"informacion", "sinigual", "def", "def"},
        {"informacion", "acento", " ", QString::fromUtf8("café")},
        {"informacion", "repetida", " ", "primera"},
        {"informacion", "segunda", " ", " "},
        {"informacion", "clave", " ", " "},
        {"otra", "clave", " ", "de otra"},
        {"falta", "clave", "def   ", "def"},
        {"falta", "clave", "   ", " "},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(plataforma::LeerPerfil(ruta, c.seccion, c.clave, c.defecto, 1024), c.valor)
            << c.seccion << "/" << c.clave;
    EXPECT_EQ(plataforma::LeerPerfil(carpeta.path() + "/falta.ini", "a", "b", " ", 1024), " ");
}

TEST(PerfilIni, LongValuesArriveCutToTheBufferInCharacters) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.path() + "/v.ini";
    // Two bytes a character in UTF-8, one on disk: the cut counts characters.
    Escribir(ruta, "[informacion]\r\ndescripcion=" + QByteArray(2000, '\xE9') + "\r\n");
    const QString valor = LeerIni("informacion", "descripcion", ruta);
    EXPECT_EQ(valor.size(), 1023);
    EXPECT_EQ(valor, QString(1023, QChar(0xE9)));
}

// --- Reading the reply ----------------------------------------------------

class Respuesta : public ::testing::Test {
protected:
    void SetUp() override {
        auto& act = objActOnline();
        act.ProgVer1 = "2";
        act.ProgVer2 = "8";
        act.ProgVer3 = "0";
    }
    int32_t Leer(const QByteArray& ini) {
        Escribir(RutaVersionIni(), ini);
        return LeerVersionIni();
    }
    prueba::Entorno entorno_;
};

TEST_F(Respuesta, VersionsCompareAsTrimmedTexts) {
    struct Caso {
        const char* publicada;
        int32_t comVer;
    };
    const Caso casos[] = {{"2.8.0", 0},     {"  2. 8 .0  ", 0}, {"2.8.0.1", 0},
                          {"02.8.0", 1},    {"2.9.0", 1},       {"2.7.0", 1},
                          {"2.8.00", 1},    {"2.8.a", 1}};
    for (const Caso& c : casos) {
        objActOnline().ComVer = 0;
        EXPECT_EQ(Leer(QByteArray("[informacion]\r\ncurrentversion=") + c.publicada), 0)
            << c.publicada;
        EXPECT_EQ(objActOnline().ComVer, c.comVer) << c.publicada;
    }
}

TEST_F(Respuesta, FewerThanThreePartsIsUnreadableAndKeepsWhatWasRead) {
    auto& act = objActOnline();
    act.ActVer1 = act.ActVer2 = act.ActVer3 = "x";
    EXPECT_EQ(Leer("[informacion]\r\ncurrentversion=2.8\r\n"), kRespuestaIlegible);
    EXPECT_EQ(act.ActVer1, "2");
    EXPECT_EQ(act.ActVer2, "8");
    EXPECT_EQ(act.ActVer3, "x");
    for (const char* ini : {"", "[informacion]\r\n", "[otra]\r\ncurrentversion=1.2.3\r\n",
                            "[informacion]\r\ncurrentversion=   \r\n"}) {
        act.ActVer1 = "x";
        EXPECT_EQ(Leer(ini), kRespuestaIlegible) << ini;
        EXPECT_EQ(act.ActVer1, "x") << ini;
    }
}

TEST_F(Respuesta, OnlyWebAddressesAreKeptForTheDownloadPage) {
    struct Caso {
        const char* leida;
        const char* guardada;
    };
    const Caso casos[] = {{"https://descargas.example/q", "https://descargas.example/q"},
                          {"  HTTP://descargas.example/q?a=1  ", "HTTP://descargas.example/q?a=1"},
                          {"javascript:alert(1)", ""},
                          {"file:///etc/passwd", ""},
                          {"ftp://descargas.example/q", ""},
                          {"descargas.example/q", ""},
                          {"", ""}};
    for (const Caso& c : casos) {
        ASSERT_EQ(Leer(QByteArray("[informacion]\r\ncurrentversion=2.8.0\r\ndownloadurl=") +
                       c.leida + "\r\ndescripcion= Nueva versi\xF3n \r\n"),
                  0);
        EXPECT_EQ(objActOnline().ActDownloadURL, c.guardada) << c.leida;
        EXPECT_EQ(objActOnline().ActDescripcion, QString::fromUtf8("Nueva versión")) << c.leida;
    }
}

// --- The whole check against a loopback server -----------------------------

constexpr int kLimitePruebaMs = 2000;

class Comprobacion : public ::testing::Test {
protected:
    void SetUp() override {
        strVersion = "1.0.0";
        auto& act = objActOnline();
        act.ProgVer1 = "1";
        act.ProgVer2 = "0";
        act.ProgVer3 = "0";
        act.ActOnline = 1;
    }
    void TearDown() override { lngIdioma = 0; }

    // Runs one check; answers the name of the window it showed ("" none) and
    // lets `mirar` look at it before it is closed.
    QString Comprobar(const QString& direccion,
                      const std::function<void(QWidget*)>& mirar = [](QWidget*) {},
                      int limiteMs = kLimitePruebaMs) {
        objActOnline().URLAct = direccion;
        QString mostrada;
        prueba::ConModal([&] { ComprobarActualizacion(limiteMs, 0); },
                         [&](QWidget* w) {
                             mostrada = w->objectName();
                             mirar(w);
                             static_cast<QDialog*>(w)->reject();
                         },
                         limiteMs + 3000);
        return mostrada;
    }
    prueba::Entorno entorno_;
};

QByteArray Ini(const char* version) {
    return QByteArray("[informacion]\r\ncurrentversion=") + version +
           "\r\ndownloadurl=https://descargas.example/q\r\ndescripcion=Novedades\r\n";
}

TEST_F(Comprobacion, EachOutcomeReachesItsWindowAndState) {
    struct Caso {
        const char* nombre;
        QByteArray respuesta;  // empty: the server never answers
        bool cerrado;
        const char* ventana;
        int32_t sitAct;
        int32_t comVer;
    };
    const Caso casos[] = {
        {"same", prueba::ServidorHttp::Respuesta(Ini("1.0.0")), false, "", 3, 0},
        {"newer", prueba::ServidorHttp::Respuesta(Ini("1.1.0")), false, "FrmVersionCheck_794", 3, 1},
        {"older", prueba::ServidorHttp::Respuesta(Ini("0.9.0")), false, "FrmVersionCheck_794", 3, 1},
        {"unreachable", {}, true, "FrmSinConexion_794", 1, 0},
        {"not found", prueba::ServidorHttp::Respuesta(Ini("1.1.0"), 404), false, "FrmSinConexion_794", 1, 0},
        {"malformed", prueba::ServidorHttp::Respuesta("[informacion]\r\ncurrentversion=1.0\r\n"), false,
         "FrmSinConexion_794", 4, 0},
        {"empty", prueba::ServidorHttp::Respuesta(""), false, "FrmSinConexion_794", 4, 0},
        {"silent", {}, false, "FrmSinConexion_794", 1, 0},
    };
    for (const Caso& c : casos) {
        auto& act = objActOnline();
        act.SitAct = 0;
        act.ComVer = 0;
        prueba::ServidorHttp servidor(c.respuesta);
        const QString direccion = c.cerrado ? prueba::ServidorHttp::DireccionCerrada() : servidor.Direccion();
        QElapsedTimer reloj;
        reloj.start();
        EXPECT_EQ(Comprobar(direccion, [](QWidget*) {}, c.cerrado ? kLimitePruebaMs : 500).toStdString(),
                  c.ventana)
            << c.nombre;
        EXPECT_EQ(act.SitAct, c.sitAct) << c.nombre;
        EXPECT_EQ(act.ComVer, c.comVer) << c.nombre;
        EXPECT_LT(reloj.elapsed(), 2500) << c.nombre;
        if (!c.cerrado) {
            EXPECT_EQ(servidor.peticiones.size(), 1) << c.nombre;
        }
    }
}

TEST_F(Comprobacion, TheRequestNamesTheFormAndTheLanguage) {
    for (int32_t idioma : {0, kOffsetEuskera}) {
        lngIdioma = idioma;
        prueba::ServidorHttp servidor(prueba::ServidorHttp::Respuesta(Ini("1.0.0")));
        Comprobar(servidor.Direccion());
        ASSERT_EQ(servidor.peticiones.size(), 1);
        EXPECT_EQ(servidor.peticiones[0], QByteArray("GET /version?Programa=794&idioma=") +
                                              (idioma ? "e" : "c") + " HTTP/1.1");
    }
}

TEST_F(Comprobacion, AnOldReplyNeverPassesForANewOne) {
    Escribir(RutaVersionIni(), Ini("1.1.0"));
    objActOnline().SitAct = 0;
    EXPECT_EQ(Comprobar(prueba::ServidorHttp::DireccionCerrada()), "FrmSinConexion_794");
    EXPECT_EQ(objActOnline().SitAct, 1);
    EXPECT_FALSE(QFile::exists(RutaVersionIni()));
}

TEST_F(Comprobacion, VersionWindowShowsBothVersionsAndTheReply) {
    prueba::ServidorHttp servidor(prueba::ServidorHttp::Respuesta(Ini(" 1.2. 3 ")));
    QString actual, disponible, url, info, ruta;
    bool descargar = false;
    Comprobar(servidor.Direccion(), [&](QWidget* w) {
        actual = w->findChild<QLabel*>("LblActual")->text();
        disponible = w->findChild<QLabel*>("LblDisponible")->text();
        url = w->findChild<QLineEdit*>("TxtUrl")->text();
        ruta = w->findChild<QLineEdit*>("TxtPath")->text();
        info = w->findChild<QPlainTextEdit*>("TxtInfo")->toPlainText();
        descargar = w->findChild<QPushButton*>("CmdActualizar")->isEnabled();
    });
    EXPECT_EQ(actual, "1.0.0");
    EXPECT_EQ(disponible, "1.2. 3");
    EXPECT_EQ(url, "https://descargas.example/q");
    EXPECT_EQ(info, "Novedades");
    EXPECT_EQ(ruta, objActOnline().ActFile);
    EXPECT_TRUE(descargar);
}

TEST_F(Comprobacion, OnceADifferenceIsFoundTheWindowKeepsOffering) {
    prueba::ServidorHttp nueva(prueba::ServidorHttp::Respuesta(Ini("1.1.0")));
    Comprobar(nueva.Direccion());
    prueba::ServidorHttp igual(prueba::ServidorHttp::Respuesta(Ini("1.0.0")));
    bool descargar = false;
    EXPECT_EQ(Comprobar(igual.Direccion(),
                        [&](QWidget* w) {
                            descargar = w->findChild<QPushButton*>("CmdActualizar")->isEnabled();
                        }),
              "FrmVersionCheck_794");
    EXPECT_TRUE(descargar);
}

TEST_F(Comprobacion, FailureWindowIsBilingualAndStoresItsBoxAtOnce) {
    struct Caso {
        const char* nombre;
        bool legible;  // the download worked but the reply did not read
        int16_t flag;
        QString titulo, cuerpoC, cuerpoE;
        bool marcada;
    };
    const Caso casos[] = {
        {"no connection", false, 1, TextoCatalogo(331) + " / " + TextoCatalogo(10331),
         TextoCatalogo(328), TextoCatalogo(10328), false},
        {"unreadable", true, 0, TextoCatalogo(332) + " / " + TextoCatalogo(10332),
         TextoCatalogo(330), TextoCatalogo(10330), true},
    };
    for (const Caso& c : casos) {
        lngIdioma = kOffsetEuskera;  // whatever the language
        objActOnline().ActOnline = c.flag;
        prueba::ServidorHttp servidor(prueba::ServidorHttp::Respuesta("sin version"));
        QString titulo, cuerpoC, cuerpoE;
        bool marcada = false, encima = false;
        Comprobar(c.legible ? servidor.Direccion() : prueba::ServidorHttp::DireccionCerrada(),
                  [&](QWidget* w) {
                      titulo = w->findChild<QLabel*>("lblTitulo")->text();
                      cuerpoC = w->findChild<QLabel*>("lblTituloC")->text();
                      cuerpoE = w->findChild<QLabel*>("lblTituloE")->text();
                      encima = w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                      auto caja = w->findChild<QCheckBox*>("ChkNoPreg");
                      marcada = caja->isChecked();
                      caja->click();
                  });
        EXPECT_EQ(titulo, c.titulo) << c.nombre;
        EXPECT_EQ(cuerpoC, c.cuerpoC) << c.nombre;
        EXPECT_EQ(cuerpoE, c.cuerpoE) << c.nombre;
        EXPECT_EQ(marcada, c.marcada) << c.nombre;
        EXPECT_TRUE(encima) << c.nombre;
        // The box was toggled: the opposite flag is already in the database.
        cActOnline leido;
        leido.LeerActOnline();
        EXPECT_EQ(leido.ActOnline, c.marcada ? 1 : 0) << c.nombre;
    }
}

// --- The download page ------------------------------------------------------

// Catches what the desktop would be asked to open.
class Receptor : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void abrir(const QUrl& url) { urls << url; }
};

QByteArray Pagina(const QByteArray& accion) {
    return "<HTML>  <BODY ONLOAD='document.formulario.submit();'>  <FORM NAME='formulario' action='" +
           accion + "' method=post>  </FORM></BODY> </HTML>";
}

TEST(PaginaDescarga, IsOneWindowsLineWithTheAddressEscaped) {
    struct Caso {
        QString url;
        QByteArray accion;
    };
    const Caso casos[] = {
        {"https://descargas.example/q", "https://descargas.example/q"},
        {"https://d.example/a?x=1&y=2", "https://d.example/a?x=1&amp;y=2"},
        {"https://d.example/'><script>\"", "https://d.example/&#39;&gt;&lt;script&gt;&quot;"},
        {QString::fromUtf8("https://d.example/caf\u00e9/\u0142\u20ac"),
         "https://d.example/caf\xE9/&#322;\x80"},
        {"https://d.example/a\r\nb\tc", "https://d.example/a&#13;&#10;b&#9;c"},
        {"", ""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(FrmVersionCheck_794::PaginaDescarga(c.url), Pagina(c.accion)) << c.url.toStdString();
}

class Explorador : public ::testing::Test {
protected:
    void SetUp() override { QDesktopServices::setUrlHandler("file", &receptor_, "abrir"); }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("file");
        FrmVersionCheck_794::Terminar = nullptr;
    }
    QByteArray Leida() {
        QFile f(FrmVersionCheck_794::RutaPagina());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    prueba::Entorno entorno_;
    Receptor receptor_;
};

TEST_F(Explorador, DownloadButtonWritesThePageOpensItAndCloses) {
    Escribir(FrmVersionCheck_794::RutaPagina(), "una pagina anterior mucho mas larga que la nueva");
    auto& act = objActOnline();
    act.ComVer = 1;
    act.ActDownloadURL = "https://descargas.example/q";
    bool abierta = true;
    prueba::ConModal([&] { FrmVersionCheck_794().exec(); },
                     [&](QWidget* w) {
                         QTest::mouseClick(w->findChild<QPushButton*>("CmdActualizar"), Qt::LeftButton);
                         abierta = w->isVisible();
                     });
    EXPECT_FALSE(abierta);
    EXPECT_EQ(Leida(), Pagina("https://descargas.example/q"));
    ASSERT_EQ(receptor_.urls.size(), 1);
    EXPECT_EQ(receptor_.urls[0].toLocalFile(), FrmVersionCheck_794::RutaPagina());
}

TEST_F(Explorador, DoubleClickOnTheAddressHandsOverAndEnds) {
    static int terminado;
    terminado = 0;
    FrmVersionCheck_794::Terminar = [] { ++terminado; };
    auto& act = objActOnline();
    struct Caso {
        int32_t comVer;
        const char* url;
        int terminado;
    };
    // Works with the button disabled too; without an address nothing happens.
    for (const Caso& c : {Caso{0, "https://descargas.example/q", 1}, Caso{1, "", 0}}) {
        terminado = 0;
        receptor_.urls.clear();
        act.ComVer = c.comVer;
        act.ActDownloadURL = c.url;
        FrmVersionCheck_794 ventana;
        EXPECT_FALSE(ventana.CmdActualizar->isEnabled());
        ventana.show();
        QTest::mouseDClick(ventana.TxtUrl, Qt::LeftButton);
        EXPECT_EQ(terminado, c.terminado) << c.url;
        EXPECT_EQ(receptor_.urls.size(), c.terminado) << c.url;
    }
}

TEST_F(Explorador, WithoutABrowserTheUserIsToldAndThePageStays) {
    QDesktopServices::unsetUrlHandler("file");
    lngIdioma = kOffsetEuskera;
    QString titulo, texto;
    prueba::ConModal([&] { FrmVersionCheck_794::LanzarExplorador(nullptr, "https://d.example/"); },
                     [&](QWidget* w) {
                         titulo = w->windowTitle();
                         auto caja = qobject_cast<QMessageBox*>(w);
                         if (caja) texto = caja->text();
                         static_cast<QDialog*>(w)->accept();
                     });
    lngIdioma = 0;
    EXPECT_EQ(titulo, "Ez da nabigatzailea aurkitu");
    EXPECT_EQ(texto, "Ez da aurkitu nabigatzailea");
    EXPECT_EQ(Leida(), Pagina("https://d.example/"));
}

}  // namespace

#include "actualizacion_test.moc"
