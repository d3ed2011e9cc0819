// The hand-off page: its hidden fields for individual and collective runs,
// the amount fields, the period codes, the escaping of values and the page
// written in Windows-1252 and handed to the browser.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <string>
#include <vector>

#include "entorno.h"
#include "exchange/envio_telematico.h"
#include "interaccion_prueba.h"
#include "quelvort/variant.h"
#include "services/globales.h"

using quelvo::CampoOculto;

namespace {

// A totals array (field, row) from row 1.
rt::Variant Totales(const std::vector<std::tuple<std::string, double, int>>& filas) {
    rt::VArray t({0, 2}, {0, static_cast<int32_t>(filas.size())});
    int32_t f = 1;
    for (const auto& [clave, base, cuenta] : filas) {
        t.at(0, f) = clave;
        t.at(1, f) = base;
        t.at(2, f) = cuenta;
        ++f;
    }
    return t;
}

// p0 to p`hasta` as the page writes them, from the values given by hand.
std::string Importes(const std::vector<std::string>& valores) {
    std::string r;
    for (size_t i = 0; i < valores.size(); ++i)
        r += " <INPUT type=hidden name=p" + std::to_string(i) + "  value='" + valores[i] + "' >";
    return r;
}

TEST(EnvioTelematico, HiddenFieldEscapesItsValue) {
    EXPECT_EQ(CampoOculto("nombre1", "O'BRIEN <&> \"SL\"").toStdString(),
              " <INPUT type=hidden name=nombre1  value='O&#39;BRIEN &lt;&amp;&gt; &quot;SL&quot;' >");
    // A character Windows-1252 cannot hold travels as a reference.
    EXPECT_EQ(CampoOculto("n", "Ł").toStdString(), " <INPUT type=hidden name=n  value='&#321;' >");
}

TEST(EnvioTelematico, AmountFieldsByKey) {
    struct Caso {
        const char* que;
        rt::Variant totales;
        std::vector<std::string> p;
    };
    const std::vector<Caso> casos = {
        {"no totals", rt::Variant::Null(), {"0", "0", "0,00", "0", "0,00", "0", "2009", "0", "0", "0"}},
        {"keys 1, 3 and 4", Totales({{"1", 123456, 5}, {"3", 100, 2}, {"4", 50, 1}}),
         {"0", "5", "1234,56", "0", "0,00", "3", "2009", "0", "0", "0"}},
        {"key 2", Totales({{"2", 5, 7}}), {"0", "0", "0,00", "7", "0,05", "0", "2009", "0", "0", "0"}},
        {"types from 2010", Totales({{"N", 1000050, 4}, {"R", -2500, 2}}),
         {"0", "4", "10000,50", "0", "0,00", "2", "2009", "0", "0", "0"}},
        {"keys from 2010", Totales({{"E", 1000, 1}, {"A", 1000, 1}}),
         {"0", "0", "0,00", "0", "0,00", "0", "2009", "0", "0", "0"}},
    };
    for (const Caso& c : casos) {
        const auto p = quelvo::CamposImportes(c.totales, 2009);
        std::string todos;
        for (int i = 0; i <= 9; ++i) todos += p[static_cast<size_t>(i)].toStdString();
        EXPECT_EQ(todos, Importes(c.p)) << c.que;
        EXPECT_TRUE(p[10].isEmpty());
    }
}

TEST(EnvioTelematico, PeriodCodes) {
    const std::vector<std::tuple<int, int, std::string>> casos = {
        {1, 1, "5"}, {12, 1, "16"}, {3, 2, "1"}, {9, 2, "3"}, {12, 2, "4"},
        {5, 2, ""},  {12, 3, "0"},  {7, 3, "0"}, {13, 1, ""}, {12, 4, ""}};
    for (const auto& [periodo, periodicidad, codigo] : casos)
        EXPECT_EQ(quelvo::CodigoPeriodoEnvio(periodo, periodicidad).toStdString(), codigo)
            << periodo << "/" << periodicidad;
}

TEST(EnvioTelematico, CollectivePageWordForWord) {
    quelvo::DatosEnvio d;
    d.fichero = "/home/ane/telematica/794_CE11.txt";
    d.espanol = false;
    d.colectiva = true;
    d.declarantes = {{"B12345674", "O'DONNELL <&> SL"}, {"12345678Z", "ETXEBERRIA, JON"}};
    d.nifPresentador = "A58818501";
    d.nombrePresentador = "ASESORIA ARABA SA";
    d.totales = Totales({{"N", 123456, 5}, {"R", 1000, 2}});
    d.ejercicio = 2011;
    d.periodo = 3;
    d.periodicidad = 2;
    const std::string esperada =
        "<HTML> <HEAD><META http-equiv='Content-Type' content='text/html; charset=windows-1252'></HEAD>"
        "  <BODY ONLOAD='document.formulario.submit();'>  <FORM NAME='formulario' "
        "action='https://arbeko.example/envio?a=1&amp;b=2' method=post> "
        " <INPUT type=hidden name=fichero  value='/home/ane/telematica/794_CE11.txt' >"
        "  <INPUT type=hidden name=idioma  value='' >"
        "  <INPUT type=hidden name=modelo  value='794' >"
        "  <INPUT type=hidden name=tipo  value='C' >"
        "  <INPUT type=hidden name=primerDeclarante  value='B12345674' >"
        "  <INPUT type=hidden name=declarantes  value='2' >"
        "  <INPUT type=hidden name=NIF1  value='B12345674' >"
        "  <INPUT type=hidden name=nombre1  value='O&#39;DONNELL &lt;&amp;&gt; SL' >"
        "  <INPUT type=hidden name=NIF2  value='12345678Z' >"
        "  <INPUT type=hidden name=nombre2  value='ETXEBERRIA, JON' >"
        "  <INPUT type=hidden name=p0  value='0' >"
        "  <INPUT type=hidden name=p1  value='5' >"
        "  <INPUT type=hidden name=p2  value='1234,56' >"
        "  <INPUT type=hidden name=p3  value='0' >"
        "  <INPUT type=hidden name=p4  value='0,00' >"
        "  <INPUT type=hidden name=p5  value='2' >"
        "  <INPUT type=hidden name=nombre  value='ASESORIA ARABA SA' >"
        "  <INPUT type=hidden name=NIF  value='A58818501' >"
        "  <INPUT type=hidden name=ejercicio  value='2011' >"
        "  <INPUT type=hidden name=periodo  value='1' >"
        "  <INPUT type=hidden name=ver  value='3.1.5' >"
        " </FORM></BODY> </HTML>";
    EXPECT_EQ(quelvo::PaginaEnvio("https://arbeko.example/envio?a=1&b=2", quelvo::CamposEnvio(d))
                  .toStdString(),
              esperada);
}

TEST(EnvioTelematico, IndividualFieldsWordForWord) {
    quelvo::DatosEnvio d;
    d.fichero = "794_CE09.txt";
    d.declarantes = {{"12345678Z", "PEREZ & HIJOS"}};
    d.totales = rt::Variant::Null();
    d.ejercicio = 2009;
    d.periodo = 12;
    d.periodicidad = 1;
    EXPECT_EQ(quelvo::CamposEnvio(d).toStdString(),
              " <INPUT type=hidden name=fichero  value='794_CE09.txt' >"
              "  <INPUT type=hidden name=idioma  value='C' >"
              "  <INPUT type=hidden name=modelo  value='794' >"
              "  <INPUT type=hidden name=tipo  value='I' >"
              "  <INPUT type=hidden name=primerDeclarante  value=' ' >"
              "  <INPUT type=hidden name=p0  value='0' >"
              "  <INPUT type=hidden name=p1  value='0' >"
              "  <INPUT type=hidden name=p2  value='0,00' >"
              "  <INPUT type=hidden name=p3  value='0' >"
              "  <INPUT type=hidden name=p4  value='0,00' >"
              "  <INPUT type=hidden name=p5  value='0' >"
              "  <INPUT type=hidden name=p6  value='2009' >"
              "  <INPUT type=hidden name=NIF  value='12345678Z' >"
              "  <INPUT type=hidden name=nombre  value='PEREZ &amp; HIJOS' >"
              "  <INPUT type=hidden name=ejercicio  value='2009' >"
              "  <INPUT type=hidden name=periodo  value='16' >"
              "  <INPUT type=hidden name=ver  value='3.1.5' >");
}

// Records the pages the desktop was asked to open.
class Navegador : public QObject {
    Q_OBJECT
public slots:
    void abrir(const QUrl& url) { abiertas.push_back(url.toLocalFile()); }

public:
    std::vector<QString> abiertas;
};

TEST(EnvioTelematico, PageReplacesAnOlderLongerOneInWindows1252) {
    prueba::Entorno entorno;
    prueba::InteraccionPrueba pantalla;
    Navegador navegador;
    QDesktopServices::setUrlHandler("file", &navegador, "abrir");
    const QString ruta = quelvo::RutaPaginaEnvio();
    {
        QFile viejo(ruta);
        ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
        viejo.write(QByteArray(5000, 'x'));
    }
    quelvo::AbrirFormularioEnvio("<HTML> IBAÑEZ </HTML>");
    QDesktopServices::unsetUrlHandler("file");
    QFile pagina(ruta);
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly));
    EXPECT_EQ(pagina.readAll(), QByteArray("<HTML> IBA\xD1" "EZ </HTML>"));
    ASSERT_EQ(navegador.abiertas.size(), 1u);
    EXPECT_EQ(navegador.abiertas[0], ruta);
    EXPECT_TRUE(pantalla.avisos.empty());
}

TEST(EnvioTelematico, WithNoBrowserTheUserIsToldToOpenThePageToFinishTheFiling) {
    prueba::Entorno entorno;
    prueba::InteraccionPrueba pantalla;
    // A desktop with no program for the page: its handler cannot be called.
    QObject sinNavegador;
    QDesktopServices::setUrlHandler("file", &sinNavegador, "metodoQueNoExiste");
    const QString ruta = quelvo::RutaPaginaEnvio();
    const std::pair<int32_t, QString> casos[] = {
        {0, "No se ha abierto la página de envío:\n" + ruta +
                "\nLa declaración aún no está presentada: abra esa página en un navegador web "
                "para completar la presentación."},
        {10000, "Ez da bidalketa-orria ireki:\n" + ruta +
                    "\nAitorpena ez dago oraindik aurkeztuta: ireki orri hori web-nabigatzaile "
                    "batean aurkezpena osatzeko."},
    };
    for (const auto& [idioma, texto] : casos) {
        quelvo::lngIdioma = idioma;
        pantalla.avisos.clear();
        quelvo::AbrirFormularioEnvio("<HTML> </HTML>");
        ASSERT_EQ(pantalla.avisos.size(), 1u) << idioma;
        EXPECT_EQ(pantalla.avisos[0].toStdString(), ("Quelvo|" + texto).toStdString());
        // The page is there to be opened.
        EXPECT_TRUE(QFile::exists(ruta));
    }
    QDesktopServices::unsetUrlHandler("file");
    quelvo::lngIdioma = 0;
}

}  // namespace

#include "envio_telematico_test.moc"
