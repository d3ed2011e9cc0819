// The printing runs over the objects and the user database, drawn on the
// recording canvas.
#include <gtest/gtest.h>

#include "datos_impresion.h"
#include "entorno.h"
#include "grabacion.h"
#include "interaccion_prueba.h"
#include <QPushButton>
#include <QTest>

#include "declarations/cdeclaracion.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "printing/cimprgrabar.h"
#include "printing/destino_impresion.h"
#include "printing/imprimir.h"
#include "quelvort/error.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "windows/frmBarraDeProgreso_794.h"

namespace {

using namespace quelvo;
using prueba::BuscarTexto;
using prueba::EnLinea;
using rt::Variant;
using rt::VArray;

class ImprimirModeloPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        prueba::DatosColectiva(entorno);
        EstablecerLienzoPruebas(&lienzo);
        prueba::RunColectivo(2);
    }
    void TearDown() override {
        EstablecerLienzoPruebas(nullptr);
        intTotalProgreso = intProgreso = 0;
    }
    prueba::Entorno entorno;
    prueba::InteraccionPrueba pantalla;
    LienzoGrabacion lienzo;
};

TEST_F(ImprimirModeloPrueba, UnaColectivaDeTresDeclarantesSonCuatroPaginas) {
    ImprimirModelo();
    const auto& trabajos = lienzo.Trabajos();
    ASSERT_EQ(trabajos.size(), 4u);
    EnLinea(trabajos[0], "11111111H", 24, 29.22);
    EnLinea(trabajos[1], "22222222J", 24, 29.22);
    EnLinea(trabajos[2], "33333333P", 24, 29.22);
    EnLinea(trabajos[3], "B01234567", 24, 29.22);
    // The first declarant's key-1 amount: 1663.86 pesetas are 10 euros.
    EXPECT_TRUE(BuscarTexto(trabajos[0], "10"));
    // The declarant pages carry the presenter; its own page the counts.
    EnLinea(trabajos[0], "ASESORIA SL", 54.59, 132.38);
    EnLinea(trabajos[3], "3", 145.55, 109.25);
    EnLinea(trabajos[3], "7", 145.55, 117.25);
    EXPECT_EQ(objImprGrabar().NoTotalDeclarados(), 7);
    EXPECT_EQ(objImprGrabar().Persona(), 1);
    // Province names from the reference data, by their two-digit code.
    EXPECT_TRUE(BuscarTexto(trabajos[2], "BIZKAIA") || BuscarTexto(trabajos[2], "VIZCAYA") ||
                prueba::HayTextoEnLinea(trabajos[2], 65.71));
    EnLinea(trabajos[0], "01001", 113, 57.51);
}

TEST_F(ImprimirModeloPrueba, UnaIndividualImprimeSoloElPrimero) {
    objImprGrabar().IndCol(0);
    ImprimirModelo();
    ASSERT_EQ(lienzo.Trabajos().size(), 1u);
    EnLinea(lienzo.Trabajos()[0], "11111111H", 24, 29.22);
    EXPECT_EQ(objImprGrabar().CodDecla(), 1);
}

TEST_F(ImprimirModeloPrueba, ElPresentadorSeLeeUnaVezYNoSeRecargaElDelPrograma) {
    objPresentador().NIF("SIN GUARDAR");
    ImprimirModelo();
    EXPECT_EQ(objPresentador().NIF(), "SIN GUARDAR");
}

TEST_F(ImprimirModeloPrueba, ElDeclaranteYLaDeclaracionDelProgramaQuedanComoEstaban) {
    // Every output kind, the label included, walks the run's declarants.
    for (int impreso : {0, 1, 2, 3}) {
        objDeclarante().CargarDeclarante(7);
        objDeclaracion().ObtenerTotalDeclarados(0, 2009);
        const Variant totalesAntes = objDeclaracion().BufferTotalDeclarados();
        objImprGrabar().Impreso(impreso);
        ImprimirModelo();
        EXPECT_EQ(objDeclarante().CODDEC(), 7) << impreso;
        EXPECT_EQ(objDeclarante().NIF(), "22222222J") << impreso;
        EXPECT_EQ(objDeclaracion().BufferTotalDeclarados().isNull(), totalesAntes.isNull()) << impreso;
    }
}

TEST_F(ImprimirModeloPrueba, LaEtiquetaCuentaLosRegistrosDelRun) {
    objImprGrabar().Impreso(0);
    objImprGrabar().NoTotalDeclarados(999);  // whatever an earlier output left
    ImprimirModelo();
    ASSERT_EQ(lienzo.Trabajos().size(), 1u);
    const auto& t = lienzo.Trabajos()[0];
    const auto en = [&](const char* texto, double x) {
        bool visto = false;
        for (const auto& op : t)
            if (op.texto == texto && std::abs(op.x1 - x) < 1e-6 && std::abs(op.y1 - 60) < 1e-6) visto = true;
        EXPECT_TRUE(visto) << texto;
    };
    en("3", 98);
    en("7", 123);
    en("P", 133);
    EXPECT_TRUE(BuscarTexto(t, "ASESORIA SL"));
    EXPECT_TRUE(BuscarTexto(t, "Contacto de la asesoria"));
}

TEST_F(ImprimirModeloPrueba, CancelarElProgresoDetieneLaSalidaSinPaginaDelPresentador) {
    // The user pressed Cancel: the step of the first declarant answers it,
    // before its page.
    BarraDeProgreso().cmdCancelar_Click();
    ImprimirModelo();
    EXPECT_TRUE(lienzo.Trabajos().empty());
    EXPECT_EQ(objImprGrabar().NoTotalDeclarados(), 0);
}

TEST_F(ImprimirModeloPrueba, ElBorradorDeLaDeclaracionPedida) {
    objDeclarante().CargarDeclarante(31);
    objImprGrabar().CodDecla(3);
    objImprGrabar().Ejercicio(2009);
    objImprGrabar().Moneda("P");
    ImprimirBorradorDeclarados();
    ASSERT_EQ(lienzo.Trabajos().size(), 1u);
    const auto& t = lienzo.Trabajos()[0];
    EXPECT_TRUE(BuscarTexto(t, "TERCERO SC"));
    EXPECT_TRUE(BuscarTexto(t, "1/1"));
    EXPECT_TRUE(BuscarTexto(t, "DE5"));
    EXPECT_FALSE(BuscarTexto(t, "IT1"));
    // Totals of the same declaration: two deliveries, three rectifications.
    const auto dos = BuscarTexto(t, "2");
    ASSERT_TRUE(dos);
    EXPECT_NEAR(dos->x2, 125, 1e-6);
    const auto tres = BuscarTexto(t, "3");
    EXPECT_TRUE(tres);
}

TEST_F(ImprimirModeloPrueba, ElBorradorImprimeElPeriodoDeCadaRectificacion) {
    // Rectifications of a month, a quarter and a year, a triangular one among
    // them, stored as the entry window stores them.
    entorno.sql(
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda)"
        " VALUES (40, 31, 2012, 12, 3, 'E');"
        "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, base,"
        " signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES"
        " (40, 'DE', ' ', 'DE1', 'MES', 'R', 'A', 100, '-', 2011, 4, ' ', 1),"
        " (40, 'DE', ' ', 'DE2', 'TRIMESTRE', 'R', 'E', 100, '+', 2011, 6, 'X', 2),"
        " (40, 'DE', ' ', 'DE3', 'ANO', 'R', 'T', 100, '-', 2010, 12, ' ', 3);");
    objDeclarante().CargarDeclarante(31);
    objImprGrabar().CodDecla(40);
    objImprGrabar().Ejercicio(2012);
    objImprGrabar().Moneda("E");
    ImprimirBorradorDeclarados();
    ASSERT_EQ(lienzo.Trabajos().size(), 1u);
    const auto& t = lienzo.Trabajos()[0];
    // Rows by key: A, E, T; the period of each at x 161 on its lower line.
    const std::pair<int, QString> periodos[] = {
        {0, DescripcionPeriodo(4, 1)},
        {1, DescripcionPeriodo(6, 2)},
        {2, DescripcionPeriodo(12, 3)},
    };
    for (const auto& [fila, texto] : periodos) {
        SCOPED_TRACE(texto.toStdString());
        const auto op = BuscarTexto(t, texto);
        ASSERT_TRUE(op);
        EXPECT_DOUBLE_EQ(op->x1, 161);
        EXPECT_DOUBLE_EQ(op->y1, 96 + 17 * fila + 10);
    }
}

TEST_F(ImprimirModeloPrueba, UnBorradorDeOtroDeclaranteEsUnError) {
    objDeclarante().CargarDeclarante(7);
    objImprGrabar().CodDecla(3);
    EXPECT_THROW(ImprimirBorradorDeclarados(), rt::Error);
    EXPECT_TRUE(lienzo.Trabajos().empty());
}

}  // namespace

namespace {

TEST_F(ImprimirModeloPrueba, ElBotonDeBorradorDeLaVentanaDeDeclaraciones) {
    objDeclarante().CargarDeclarante(31);
    objDeclarante().Modo(1);
    objListaDeclaraciones().CodDecla(3);
    objImprGrabar().Ejercicio(0);
    objImprGrabar().Moneda("E");
    frmDeclaraciones_794 ventana;
    ventana.show();
    auto* boton = ventana.findChild<QPushButton*>("cmdImpBorradorDeclarados");
    ASSERT_TRUE(boton);
    ASSERT_TRUE(ventana.FilaSeleccionada());
    ASSERT_EQ(ventana.FilaSeleccionada()->clave, 3);
    ASSERT_TRUE(boton->isEnabled());
    QTest::mouseClick(boton, Qt::LeftButton);
    ASSERT_EQ(lienzo.Trabajos().size(), 1u);
    EXPECT_TRUE(BuscarTexto(lienzo.Trabajos()[0], "DE5"));
    // The run takes the selected declaration's exercise and currency.
    EXPECT_EQ(objImprGrabar().Ejercicio(), 2009);
    EXPECT_EQ(objImprGrabar().Moneda(), "P");
    EXPECT_EQ(objImprGrabar().CodDecla(), 3);
}

}  // namespace
