// The run object's settings and its count of a run's declared entries.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "avisos.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/objetos.h"

using rt::Variant;
using rt::VArray;

namespace {

TEST(ImprGrabar, PeriodoYPeriodicidadSonBytes) {
    quelvo::cImprGrabar run;
    run.Periodo(255);
    run.Periodicidad(3);
    EXPECT_EQ(run.Periodo(), 255);
    for (int32_t malo : {300, -1, 256}) {
        try {
            run.Periodo(malo);
            ADD_FAILURE() << malo;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number, rt::err::Overflow);
        }
        try {
            run.Periodicidad(malo);
            ADD_FAILURE() << malo;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number, rt::err::Overflow);
        }
    }
    EXPECT_EQ(run.Periodo(), 255);
    EXPECT_EQ(run.Periodicidad(), 3);
}

TEST(ImprGrabar, InicializarDatosSoloReponeEjercicioMonedaYPeriodo) {
    quelvo::cImprGrabar run;
    run.Ejercicio(2011);
    run.Moneda("E");
    run.Periodo(12);
    run.Periodicidad(2);
    run.IndCol(1);
    run.TipoEnvio(2);
    run.vBufferDeclarantes(Variant(VArray::Of({7, 9})));
    run.InicializarDatos();
    EXPECT_EQ(run.Ejercicio(), 0);
    EXPECT_EQ(run.Moneda(), "");
    EXPECT_EQ(run.Periodo(), 5);
    EXPECT_EQ(run.Periodicidad(), 2);
    EXPECT_EQ(run.IndCol(), 1);
    EXPECT_EQ(run.TipoEnvio(), 2);
    EXPECT_EQ(run.vBufferDeclarantes(), Variant(VArray::Of({7, 9})));
}

TEST(ImprGrabar, ElObjetoDelProgramaEsUnoSolo) {
    prueba::Entorno entorno;
    quelvo::objImprGrabar().Ejercicio(2009);
    EXPECT_EQ(&quelvo::objImprGrabar(), &quelvo::objImprGrabar());
    EXPECT_EQ(quelvo::objImprGrabar().Ejercicio(), 2009);
}

TEST(ImprGrabar, TotalDeclaradosCuentaLosDeclaradosDeLosCodigosDelPeriodo) {
    prueba::Entorno entorno;
    entorno.sql(
        "INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (12, 'A', 'A'), (7, 'B', 'B'),"
        " (31, 'C', 'C'), (40, 'D', 'D');"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda)"
        " VALUES (1, 12, 2011, 3, 2, 'E'), (2, 7, 2011, 3, 1, 'E'), (3, 31, 2011, 6, 2, 'E'),"
        " (4, 40, 2011, 3, 2, 'E');"
        "INSERT INTO tOperadores (coddeclar, nifo) VALUES (1, 'X1'), (1, 'X2'), (2, 'X3'),"
        " (3, 'X4'), (4, 'X5');");
    quelvo::cImprGrabar run;
    run.Ejercicio(2011);
    run.Periodo(3);
    run.vBufferDeclarantes(Variant(VArray::Of({12, 7, 31})));
    run.TotalDeclarados();
    EXPECT_EQ(run.NoTotalDeclarados(), 3);
}

TEST(ImprGrabar, ExportarDteEscribeLosDeclarantesOExplicaElFallo) {
    prueba::Entorno entorno;
    prueba::InteraccionPrueba pantalla;
    entorno.sql("INSERT INTO TDeclarante VALUES"
                " (4, '00000001R', 'UNO', 'CL', 'MAYOR', 1, '', '', '', '', 1, 1, 'LLODIO', 0, '', 0),"
                " (9, '00000002W', 'DOS', 'CL', 'MAYOR', 2, '', '', '', '', 1, 1, 'LLODIO', 0, '', 0);");
    quelvo::cImprGrabar run;
    run.vBufferDeclarantes(Variant(VArray::Of({9, 4})));
    const QString ruta = entorno.carpeta() + "/794_Declarantes.txt";
    quelvo::objSelFichero().RutaFichero(ruta);
    run.ExportarDte();
    EXPECT_TRUE(pantalla.avisos.empty());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = f.readAll().split('\n');
    ASSERT_EQ(lineas.size(), 3);  // two lines and the end of the last
    EXPECT_TRUE(lineas[0].contains("00000002W"));
    EXPECT_TRUE(lineas[1].contains("00000001R"));

    quelvo::objSelFichero().RutaFichero(entorno.carpeta() + "/no/existe/794_Declarantes.txt");
    run.ExportarDte();
    ASSERT_EQ(pantalla.avisos.size(), 1u);
    EXPECT_TRUE(prueba::TextoAviso(pantalla.avisos[0]).startsWith(quelvo::Cat(306) + " "));
    EXPECT_TRUE(prueba::TextoAviso(pantalla.avisos[0]).contains("no/existe")) << prueba::TextoAviso(pantalla.avisos[0]).toStdString();
    EXPECT_EQ(prueba::TituloAviso(pantalla.avisos[0]), quelvo::Cat(308));
}

TEST(SelFicheroObjeto, RecogerRutaURLSegunElTipoDeEnvio) {
    prueba::Entorno entorno;
    quelvo::objImprGrabar().TipoEnvio(1);
    const QString sinCertificado = quelvo::objSelFichero().RecogerRutaURL();
    quelvo::objImprGrabar().TipoEnvio(2);
    const QString conCertificado = quelvo::objSelFichero().RecogerRutaURL();
    EXPECT_TRUE(sinCertificado.startsWith("https://arbeko.example/"));
    EXPECT_TRUE(conCertificado.startsWith("https://arbeko.example/"));
    EXPECT_NE(sinCertificado, conCertificado);
    quelvo::objImprGrabar().TipoEnvio(300);
    EXPECT_THROW(quelvo::objSelFichero().RecogerRutaURL(), rt::Error);
}

}  // namespace
