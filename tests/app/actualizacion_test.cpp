// The online version check: the INI reader, the reply, the whole check against
// a loopback server, its two windows and the download page.
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
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "servidor_http.h"
#include "windows/FrmVersionCheck_794.h"
#include "windows/actualizacion_online.h"

using namespace quelvo;
using prueba::ServidorHttp;

namespace {

void Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(PerfilIni, ReadsValuesByTheProfileRulesCutToTheBuffer) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.path() + "/v.ini";
    Escribir(ruta, "; comment\r\n[otra]\r\nclave=de otra\r\n  [Informacion]\r\n"
                   "   CurrentVersion  =  2.8.0 \t\r\ncomillas=\"con blancos \"\r\nsimples='x'\n"
                   "desparejas=\"x'\nigual=a=b\r\nvacia=\r\nsinigual\r\nacento=caf\xE9\r\n"
                   "repetida=primera\r\nrepetida=segunda\r\n[informacion]\r\nsegunda=no se busca\r\n");
    struct Caso {
        const char *seccion, *clave, *defecto;
        QString valor;
    };
    const Caso casos[] = {
        {"informacion", "currentversion", " ", "2.8.0"}, {"INFORMACION", "CURRENTVERSION", " ", "2.8.0"},
        {"informacion", "comillas", " ", "con blancos "}, {"informacion", "simples", " ", "x"},
        {"informacion", "desparejas", " ", "\"x'"},      {"informacion", "igual", " ", "a=b"},
        {"informacion", "vacia", " ", ""},               {"informacion", "sinigual", "def", "def"},
        {"informacion", "acento", " ", QString::fromUtf8("café")},
        {"informacion", "repetida", " ", "primera"},     {"informacion", "segunda", " ", " "},
        {"informacion", "clave", " ", " "},              {"otra", "clave", " ", "de otra"},
        {"falta", "clave", "def   ", "def"},             {"falta", "clave", "   ", " "},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(plataforma::LeerPerfil(ruta, c.seccion, c.clave, c.defecto, 1024), c.valor)
            << c.seccion << "/" << c.clave;
    EXPECT_EQ(plataforma::LeerPerfil(carpeta.path() + "/falta.ini", "a", "b", " ", 1024), " ");
    // One byte a character on disk, two in UTF-8: the cut counts characters.
    Escribir(ruta, "[informacion]\r\ndescripcion=" + QByteArray(2000, '\xE9') + "\r\n");
    EXPECT_EQ(LeerIni("informacion", "descripcion", ruta), QString(1023, QChar(0xE9)));
}

QByteArray Ini(const char* version) {
    return QByteArray("[informacion]\r\ncurrentversion=") + version +
           "\r\ndownloadurl=https://descargas.example/q\r\ndescripcion=Novedades\r\n";
}

constexpr int kLimitePruebaMs = 2000;

// Installed version 1.0.0, checking switched on.
class Version : public ::testing::Test {
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

    int32_t Leer(const QByteArray& ini) {
        Escribir(RutaVersionIni(), ini);
        return LeerVersionIni();
    }
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

TEST_F(Version, VersionsCompareAsTrimmedTexts) {
    const std::pair<const char*, int32_t> casos[] = {
        {"1.0.0", 0},  {"  1. 0 .0  ", 0}, {"1.0.0.1", 0}, {"01.0.0", 1},
        {"1.1.0", 1},  {"0.9.0", 1},       {"1.0.00", 1},  {"1.0.a", 1}};
    for (auto [publicada, comVer] : casos) {
        objActOnline().ComVer = 0;
        EXPECT_EQ(Leer(QByteArray("[informacion]\r\ncurrentversion=") + publicada), 0) << publicada;
        EXPECT_EQ(objActOnline().ComVer, comVer) << publicada;
    }
}

TEST_F(Version, FewerThanThreePartsIsUnreadableAndKeepsWhatWasRead) {
    auto& act = objActOnline();
    act.ActVer1 = act.ActVer2 = act.ActVer3 = "x";
    EXPECT_EQ(Leer("[informacion]\r\ncurrentversion=2.8\r\n"), kRespuestaIlegible);
    EXPECT_EQ(QStringList({act.ActVer1, act.ActVer2, act.ActVer3}), QStringList({"2", "8", "x"}));
    for (const char* ini : {"", "[informacion]\r\n", "[otra]\r\ncurrentversion=1.2.3\r\n",
                            "[informacion]\r\ncurrentversion=   \r\n"}) {
        act.ActVer1 = "x";
        EXPECT_EQ(Leer(ini), kRespuestaIlegible) << ini;
        EXPECT_EQ(act.ActVer1, "x") << ini;
    }
}

TEST_F(Version, OnlyWebAddressesAreKeptForTheDownloadPage) {
    const std::pair<const char*, const char*> casos[] = {
        {"https://descargas.example/q", "https://descargas.example/q"},
        {"  HTTP://descargas.example/q?a=1  ", "HTTP://descargas.example/q?a=1"},
        {"javascript:alert(1)", ""}, {"file:///etc/passwd", ""}, {"ftp://descargas.example/q", ""},
        {"descargas.example/q", ""}, {"", ""}};
    for (auto [leida, guardada] : casos) {
        ASSERT_EQ(Leer(QByteArray("[informacion]\r\ncurrentversion=2.8.0\r\ndownloadurl=") + leida +
                       "\r\ndescripcion= Nueva versi\xF3n \r\n"),
                  0);
        EXPECT_EQ(objActOnline().ActDownloadURL, guardada) << leida;
        EXPECT_EQ(objActOnline().ActDescripcion, QString::fromUtf8("Nueva versión")) << leida;
    }
}

TEST_F(Version, EachOutcomeReachesItsWindowAndState) {
    // Empty reply: the server never answers.
    const char *nueva = "FrmVersionCheck_794", *sinConexion = "FrmSinConexion_794";
    const std::tuple<const char*, QByteArray, bool, const char*, int32_t, int32_t> casos[] = {
        {"same", ServidorHttp::Respuesta(Ini("1.0.0")), false, "", 3, 0},
        {"newer", ServidorHttp::Respuesta(Ini("1.1.0")), false, nueva, 3, 1},
        {"older", ServidorHttp::Respuesta(Ini("0.9.0")), false, nueva, 3, 1},
        {"unreachable", {}, true, sinConexion, 1, 0},
        {"not found", ServidorHttp::Respuesta(Ini("1.1.0"), 404), false, sinConexion, 1, 0},
        {"malformed", ServidorHttp::Respuesta("[informacion]\r\ncurrentversion=1.0\r\n"), false,
         sinConexion, 4, 0},
        {"empty", ServidorHttp::Respuesta(""), false, sinConexion, 4, 0},
        {"silent", {}, false, sinConexion, 1, 0},
        // Far larger than any version file: not a reply to read.
        {"too large", ServidorHttp::Respuesta(Ini("1.1.0") + ";" + QByteArray(2 * 1024 * 1024, 'x') + "\r\n"),
         false, sinConexion, 1, 0},
    };
    for (const auto& [nombre, respuesta, cerrado, ventana, sitAct, comVer] : casos) {
        SCOPED_TRACE(nombre);
        lngIdioma = lngIdioma ? 0 : kOffsetEuskera;
        const int16_t flag = lngIdioma ? 1 : 0;
        auto& act = objActOnline();
        act.SitAct = act.ComVer = 0;
        act.ActOnline = flag;
        // A reply left by an earlier check must never pass for this one's.
        Escribir(RutaVersionIni(), Ini("1.1.0"));
        ServidorHttp servidor(respuesta);
        QStringList fallo;  // the failure window's texts, box and stacking
        auto mirar = [&](QWidget* w) {
            auto caja = w->findChild<QCheckBox*>("ChkNoPreg");
            if (!caja) return;
            for (const char* nombre : {"lblTitulo", "lblTituloC", "lblTituloE"})
                fallo << w->findChild<QLabel*>(nombre)->text();
            fallo << (caja->isChecked() ? "ticked" : "clear")
                  << (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? "on top" : "");
            caja->click();
        };
        QElapsedTimer reloj;
        reloj.start();
        const QString direccion = cerrado ? ServidorHttp::DireccionCerrada() : servidor.Direccion();
        EXPECT_EQ(Comprobar(direccion, mirar, cerrado ? kLimitePruebaMs : 500).toStdString(), ventana);
        EXPECT_LT(reloj.elapsed(), 2500);
        EXPECT_EQ(act.SitAct, sitAct);
        EXPECT_EQ(act.ComVer, comVer);
        EXPECT_EQ(QFile::exists(RutaVersionIni()), sitAct != 1);
        const QByteArray peticion =
            QByteArray("GET /version?Programa=794&idioma=") + (lngIdioma ? "e" : "c") + " HTTP/1.1";
        EXPECT_EQ(servidor.peticiones, cerrado ? QList<QByteArray>() : QList<QByteArray>({peticion}));
        if (sitAct == 3) continue;
        // Both languages whatever the language; the box, the flag the other way
        // round, is stored as soon as it is clicked.
        const int32_t cuerpo = sitAct == 1 ? 328 : 330;
        const int32_t eu = kOffsetEuskera;
        // A failed download is titled a failed connection in both languages.
        const QString titulo = sitAct == 1 ? "Fallo en la conexión / Konexio akatsa gertatu da"
                                           : TextoCatalogo(332) + " / " + TextoCatalogo(332 + eu);
        EXPECT_EQ(fallo, QStringList({titulo,
                                      TextoCatalogo(cuerpo), TextoCatalogo(cuerpo + eu),
                                      flag ? "clear" : "ticked", "on top"}));
        cActOnline leido;
        leido.LeerActOnline();
        EXPECT_EQ(leido.ActOnline, flag ? 0 : 1);
    }
}

TEST_F(Version, WindowShowsTheReplyAndOnceADifferenceIsFoundKeepsOffering) {
    QStringList vistos;
    auto mirar = [&](QWidget* w) {
        vistos = {w->findChild<QLabel*>("LblActual")->text(),
                  w->findChild<QLabel*>("LblDisponible")->text(),
                  w->findChild<QLineEdit*>("TxtUrl")->text(),
                  w->findChild<QLineEdit*>("TxtPath")->text(),
                  w->findChild<QPlainTextEdit*>("TxtInfo")->toPlainText(),
                  w->findChild<QPushButton*>("CmdActualizar")->isEnabled() ? "on" : "off"};
    };
    ServidorHttp nueva(ServidorHttp::Respuesta(Ini(" 1.2. 3 ")));
    EXPECT_EQ(Comprobar(nueva.Direccion(), mirar), "FrmVersionCheck_794");
    EXPECT_EQ(vistos, QStringList({"1.0.0", "1.2. 3", "https://descargas.example/q",
                                   objActOnline().ActFile, "Novedades", "on"}));
    ServidorHttp igual(ServidorHttp::Respuesta(Ini("1.0.0")));
    EXPECT_EQ(Comprobar(igual.Direccion(), mirar), "FrmVersionCheck_794");
    EXPECT_EQ(vistos.value(5), "on");
}

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
    const std::pair<QString, QByteArray> casos[] = {
        {"https://descargas.example/q", "https://descargas.example/q"},
        {"https://d.example/a?x=1&y=2", "https://d.example/a?x=1&amp;y=2"},
        {"https://d.example/'><script>\"", "https://d.example/&#39;&gt;&lt;script&gt;&quot;"},
        {QString::fromUtf8("https://d.example/caf\u00e9/\u0142\u20ac"),
         "https://d.example/caf\xE9/&#322;\x80"},
        {"https://d.example/a\r\nb\tc", "https://d.example/a&#13;&#10;b&#9;c"},
        {"", ""},
    };
    for (const auto& [url, accion] : casos)
        EXPECT_EQ(FrmVersionCheck_794::PaginaDescarga(url), Pagina(accion)) << url.toStdString();
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
    objActOnline().ComVer = 1;
    objActOnline().ActDownloadURL = "https://descargas.example/q";
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
    FrmVersionCheck_794::Terminar = [] { ++terminado; };
    // Works with the button disabled too; without an address nothing happens.
    for (auto [comVer, url, veces] : {std::tuple{0, "https://descargas.example/q", 1}, {1, "", 0}}) {
        terminado = 0;
        receptor_.urls.clear();
        objActOnline().ComVer = comVer;
        objActOnline().ActDownloadURL = url;
        FrmVersionCheck_794 ventana;
        EXPECT_FALSE(ventana.CmdActualizar->isEnabled());
        ventana.show();
        QTest::mouseDClick(ventana.TxtUrl, Qt::LeftButton);
        EXPECT_EQ(terminado, veces) << url;
        EXPECT_EQ(receptor_.urls.size(), veces) << url;
    }
}

TEST_F(Explorador, WithoutABrowserTheUserIsToldAndThePageStays) {
    QDesktopServices::unsetUrlHandler("file");
    lngIdioma = kOffsetEuskera;
    QString titulo, texto;
    prueba::ConModal([&] { FrmVersionCheck_794::LanzarExplorador(nullptr, "https://d.example/"); },
                     [&](QWidget* w) {
                         titulo = w->windowTitle();
                         if (auto caja = qobject_cast<QMessageBox*>(w)) texto = caja->text();
                         static_cast<QDialog*>(w)->accept();
                     });
    lngIdioma = 0;
    EXPECT_EQ(titulo, "Ez da nabigatzailea aurkitu");
    EXPECT_EQ(texto, "Ez da aurkitu nabigatzailea");
    EXPECT_EQ(Leida(), Pagina("https://d.example/"));
}

}  // namespace

#include "actualizacion_test.moc"
