// The summary form's pages as drawn on the recording canvas.
#include <gtest/gtest.h>

#include <optional>

#include "grabacion.h"
#include "printing/departamento.h"
#include "printing/hoja_resumen.h"
#include "services/globales.h"

namespace {

using namespace quelvo;
using prueba::BuscarTexto;
using prueba::EnLinea;
using prueba::Textos;
using rt::Variant;
using rt::VArray;

// Totals rows (key, hundredths, entries).
Variant Totales(std::initializer_list<std::tuple<const char*, const char*, const char*>> filas) {
    VArray m({0, 2}, {0, static_cast<int32_t>(filas.size())});
    int32_t i = 0;
    for (const auto& [clave, suma, numero] : filas) {
        ++i;
        m.at(0, i) = clave;
        m.at(1, i) = suma;
        m.at(2, i) = numero;
    }
    return m;
}

PersonaImpresa Persona(const char* nif) {
    PersonaImpresa p;
    p.nif = nif;
    p.nombre = "EMPRESA DE PRUEBA SA";
    p.siglas = "CL";
    p.domicilio = "Mayor";
    p.municipio = "Vitoria-Gasteiz";
    p.codProvin = 1;
    p.cpost = 1001;
    p.provincia = "ARABA/ÁLAVA";
    return p;
}

class HojaResumenPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        lngIdioma = 0;
        hoja.ejercicio = 2009;
        hoja.periodo = 3;
        hoja.periodicidad = 2;
        hoja.impreso = 2;
        hoja.moneda = "E";
        hoja.identificado = Persona("12345678Z");
        hoja.presentador = Persona("B01234567");
        hoja.presentador.nombre = "ASESORIA PRESENTADORA SL";
        hoja.fechaPresentacion = "28/10/2013";
    }
    // Prints the page; answers its one job.
    const prueba::Trabajo& Pagina() {
        contados = ImprimirHoja(l, hoja);
        EXPECT_EQ(l.Trabajos().size(), 1u);
        return l.Trabajos().back();
    }
    LienzoGrabacion l;
    HojaResumen hoja;
    int32_t contados = -1;
};

TEST_F(HojaResumenPrueba, LaCabeceraConSusFuentesYSitios) {
    const auto& t = Pagina();
    EXPECT_TRUE(prueba::Dibuja(t, Operacion::Tipo::Caja, 1.21, 0, 196.63, 25.07));
    ASSERT_EQ(t[1].tipo, Operacion::Tipo::Imagen);
    EXPECT_EQ(t[1].texto, "Logo");
    EXPECT_DOUBLE_EQ(t[1].x1, 2);
    EXPECT_DOUBLE_EQ(t[1].y1, 1);
    EXPECT_EQ(EnLinea(t, "Arbekoko Foru Aldundia", 21, 3.12).fuente, (FuenteLienzo{"Arial", 8, true, false}));
    EnLinea(t, "Diputación Foral de Arbeko", 21, 6.83);
    EXPECT_EQ(EnLinea(t, "Ogasun eta Zerga Saila", 3.26, 17.41).fuente, (FuenteLienzo{"Arial", 7, false, false}));
    EnLinea(t, "Departamento de Hacienda y Fiscalidad", 3.26, 21.91);
    const auto titulo = BuscarTexto(t, "Resumen recapitulativo de operaciones con sujetos pasivos de la CEE");
    ASSERT_TRUE(titulo);
    EXPECT_NEAR((titulo->x1 + titulo->x2) / 2, 118.34, 1e-6);
    EXPECT_TRUE(titulo->fuente.negrita);
    EXPECT_EQ(EnLinea(t, "794", 177.63, 7).fuente, (FuenteLienzo{"Arial", 30, false, false}));
}

TEST_F(HojaResumenPrueba, LaIdentificacionDelDeclarante) {
    hoja.identificado.telefono = 0;
    hoja.identificado.cpost = 1234;
    const auto& t = Pagina();
    const FuenteLienzo valores{"Arial", 8, true, false};
    EXPECT_EQ(EnLinea(t, "12345678Z", 24, 29.22).fuente, valores);
    EnLinea(t, "EMPRESA DE PRUEBA SA", 12.36, 40.71);
    // Empty parts keep their blanks; a number of 0 prints "0".
    EnLinea(t, "CL    MAYOR 0    ", 12.36, 50.21);
    EnLinea(t, "VITORIA-GASTEIZ", 22, 57.71);
    EnLinea(t, "01234", 113, 57.51);
    EnLinea(t, "ARABA/ÁLAVA", 22, 65.71);
    EXPECT_EQ(EnLinea(t, "NA / IFK", 12.36, 27.48).fuente, (FuenteLienzo{"Arial", 6, false, true}));
    EXPECT_EQ(EnLinea(t, "DNI / CIF", 12.36, 29.05).fuente, (FuenteLienzo{"Arial", 6, false, false}));
    // A telephone of 0 prints nothing: no bold value starts at x 106.
    EXPECT_FALSE(prueba::HayTextoEnX(t, 106));
}

// A run of W, the widest capital, half as wide again as `ancho` in the
// values' font.
QString MasAncho(double ancho) {
    LienzoGrabacion medida;
    medida.Fuente({"Arial", 8, true, false});
    QString texto;
    while (medida.TextWidth(texto) < 1.5 * ancho) texto += 'W';
    return texto;
}

// Values too wide for their cell, in the declarant's block and in the
// presenter's, are set smaller, whole, and end before the rule that closes
// the cell.
TEST_F(HojaResumenPrueba, LosValoresDemasiadoAnchosQuedanDentroDeSuCelda) {
    hoja.indCol = 1;
    PersonaImpresa& d = hoja.identificado;
    PersonaImpresa& p = hoja.presentador;
    const struct {
        QString* campo;
        double x, hasta;
        // How the value shows: the address line after the street type.
        QString antes;
    } casos[] = {
        {&d.nombre, 12.36, 130.52, ""},
        {&d.domicilio, 12.36, 130.52, "CL    "},
        {&d.municipio, 22, 99.56, ""},
        {&d.provincia, 22, 89.51, ""},
        {&p.nif, 18.6, 53.53, ""},
        {&p.nombre, 54.59, 168.18, ""},
        {&p.domicilio, 18.6, 79.99, ""},
        {&p.letra, 98.77, 111.74, ""},
        {&p.escal, 113.32, 128.14, ""},
        {&p.piso, 129.9, 145.61, ""},
        {&p.mano, 146.93, 163.33, ""},
        {&p.municipio, 18.6, 77.34, ""},
        {&p.provincia, 113.32, 179.21, ""},
    };
    for (const auto& c : casos) *c.campo = MasAncho(c.hasta - c.x);
    const auto& t = Pagina();
    for (const auto& c : casos) {
        std::optional<Operacion> valor;
        for (const Operacion& op : t)
            if (op.tipo == Operacion::Tipo::Texto && std::abs(op.x1 - c.x) < 1e-6 &&
                (c.antes.isEmpty() ? op.texto == *c.campo : op.texto.startsWith(c.antes + *c.campo)))
                valor = op;
        ASSERT_TRUE(valor) << c.x << " " << c.campo->size();
        EXPECT_LT(valor->x2, c.hasta) << c.x;
        EXPECT_LT(valor->fuente.puntos, 8) << c.x;
    }
}

TEST_F(HojaResumenPrueba, AnoYPeriodoUnCaracterPorCeldaYLaMarcaIndividual) {
    const auto& t = Pagina();
    const auto centro = [&](const char* texto, double x, double y) {
        bool visto = false;
        for (const auto& op : t)
            if (op.tipo == Operacion::Tipo::Texto && op.texto == texto &&
                std::abs((op.x1 + op.x2) / 2 - x) < 1e-6 && std::abs(prueba::LineaDe(op) - y) < 1e-6)
                visto = true;
        EXPECT_TRUE(visto) << texto << " " << x << " " << y;
    };
    centro("0", 181.6, 30.54);
    centro("9", 189.92, 30.54);
    centro("1", 181.6, 36.54);
    centro("T", 189.92, 36.54);
    centro("X", 189.9, 58.86);
    EXPECT_FALSE(BuscarTexto(t, "BIMENSUAL"));
}

TEST_F(HojaResumenPrueba, Desde2010LaFilaBimensualConLaMarcaDeLaDeclaracion) {
    hoja.ejercicio = 2010;
    hoja.periodo = 12;
    hoja.periodicidad = 3;
    hoja.bimensual = "X";
    hoja.indCol = 1;
    const auto& t = Pagina();
    EnLinea(t, "BIMENSUAL", 141.48, 41);
    EnLinea(t, "BIMENSUAL " + QString(38, '.'), 141.48, 43);
    int equis = 0;
    for (const auto& op : t) {
        if (op.texto == "X" && op.tipo == Operacion::Tipo::Texto) {
            ++equis;
            if (op.fuente.puntos == 10) {
                EXPECT_NEAR((op.x1 + op.x2) / 2, 185.6, 1e-6);
            }
        }
    }
    EXPECT_EQ(equis, 2);  // the bimonthly mark and the collective mark
    const auto a = BuscarTexto(t, "A");
    ASSERT_TRUE(a);
    EXPECT_NEAR((a->x1 + a->x2) / 2, 189.92, 1e-6);
}

TEST_F(HojaResumenPrueba, TotalesHasta2009EnPesetasYEnEuros) {
    hoja.moneda = "P";
    hoja.totales = Totales({{"1", "166386", "3"}, {"2", "0", "1234"}, {"3", "100", "2"}, {"4", "100", "5"}});
    auto t = Pagina();
    EXPECT_EQ(contados, 3 + 1234 + 2 + 5);
    const auto derecha = [&](const char* texto, double x, double y) {
        const auto op = BuscarTexto(t, texto);
        ASSERT_TRUE(op) << texto;
        EXPECT_NEAR(op->x2, x, 1e-6) << texto;
        EXPECT_NEAR(prueba::LineaDe(*op), y, 1e-6) << texto;
        EXPECT_EQ(op->fuente, (FuenteLienzo{"Arial", 8, true, false}));
    };
    derecha("3", 117.31, 81.44);
    derecha("10", 175.51, 81.44);
    derecha("1.234", 117.31, 88.83);
    derecha("7", 117.31, 96.24);
    EnLinea(t, "05", 72.33, 94.14);
    EnLinea(t, "ENTREGAS INTRACOMUNITARIAS", 17.55, 83.32);

    LienzoGrabacion otro;
    hoja.moneda = "E";
    hoja.totales = Totales({{"1", "123450", "1"}});
    ImprimirHoja(otro, hoja);
    t = otro.Trabajos().back();
    derecha("1234,5", 175.51, 81.44);
}

TEST_F(HojaResumenPrueba, TotalesDesde2010PorTipo) {
    hoja.ejercicio = 2010;
    hoja.totales = Totales({{"N", "123450", "4"}, {"R", "500", "2"}, {"", "100", "3"}});
    const auto& t = Pagina();
    EXPECT_EQ(contados, 9);
    const auto importe = BuscarTexto(t, "1.234,50");
    ASSERT_TRUE(importe);
    EXPECT_NEAR(importe->x2, 175.51, 1e-6);
    EXPECT_TRUE(BuscarTexto(t, "4"));
    EXPECT_TRUE(BuscarTexto(t, "2"));
    EnLinea(t, "OPERACIONES INTRACOMUNITARIAS", 17.55, 83.32);
    EXPECT_FALSE(BuscarTexto(t, "04") && BuscarTexto(t, "04")->y1 < 100);
    EXPECT_FALSE(BuscarTexto(t, "ENTREGAS INTRACOMUNITARIAS"));
}

TEST_F(HojaResumenPrueba, SinDeclaradosLasCasillasQuedanEnBlanco) {
    const auto& t = Pagina();
    EXPECT_EQ(contados, 0);
    for (const auto& op : t) {
        if (op.tipo == Operacion::Tipo::Texto && op.fuente.negrita && op.y1 > 71 && op.y1 < 103)
            ADD_FAILURE() << op.texto.toStdString();
    }
}

TEST_F(HojaResumenPrueba, LaPaginaDelPresentadorCierraLaPresentacionColectiva) {
    hoja.indCol = 1;
    hoja.persona = 1;
    hoja.identificado = hoja.presentador;
    hoja.totales = Totales({{"1", "100", "9"}});  // still held, never shown
    hoja.numeroDeclarantes = 3;
    hoja.totalDeclarados = 7;
    const auto& t = Pagina();
    EXPECT_EQ(contados, 0);
    EnLinea(t, "B01234567", 24, 29.22);
    EnLinea(t, "3", 145.55, 109.25);
    EnLinea(t, "7", 145.55, 117.25);
    EnLinea(t, "06", 128.4, 109.25);
    EnLinea(t, "07", 128.4, 117.25);
    for (const auto& op : t) {
        if (op.tipo == Operacion::Tipo::Texto) {
            EXPECT_GT(std::abs(op.x2 - 117.31), 1e-6);
        }
    }
    const auto x = BuscarTexto(t, "X");
    ASSERT_TRUE(x);
    EXPECT_NEAR(prueba::LineaDe(*x), 63.62, 1e-6);
    // The presenter's block shows captions only on its own page.
    EXPECT_FALSE(prueba::HayTextoEnLinea(t, 132.38));
    EXPECT_FALSE(prueba::HayTextoEnLinea(t, 145.35));
}

TEST_F(HojaResumenPrueba, LaPaginaDeUnDeclaranteColectivoLlevaAlPresentador) {
    hoja.indCol = 1;
    hoja.ejercicio = 2010;
    hoja.presentador.telefono = 0;
    const auto& t = Pagina();
    EnLinea(t, "B01234567", 18.6, 132.38);
    EnLinea(t, "ASESORIA PRESENTADORA SL", 54.59, 132.38);
    EnLinea(t, "Mayor", 18.6, 145.35);
    EnLinea(t, "01001", 78.92, 156.52);
    EnLinea(t, "1", 181.25, 156.52);
    EnLinea(t, "04", 128.4, 109.25);
    EnLinea(t, "05", 128.4, 117.25);
    EnLinea(t, "0", 165.18, 145.35);
}

TEST_F(HojaResumenPrueba, ElPieConLaFechaEnAmbasLenguasYElEjemplar) {
    hoja.impreso = 3;
    const auto& t = Pagina();
    EXPECT_EQ(EnLinea(t, "2013/10/28an /// 28/10/2013", 65, 195).fuente, (FuenteLienzo{"Arial", 8, true, false}));
    const auto ejemplar =
        BuscarTexto(t, "ADMINISTRAZIOARENTZAKO ALEA / EJEMPLAR PARA LA ADMINISTRACION");
    ASSERT_TRUE(ejemplar);
    EXPECT_NEAR((ejemplar->x1 + ejemplar->x2) / 2, 1.21 + 195.42 / 2, 1e-6);
    EXPECT_DOUBLE_EQ(ejemplar->y1, 265);
    EXPECT_EQ(EnLinea(t, "Data", 55, 195).fuente, (FuenteLienzo{"Times New Roman", 8, false, true}));
}

TEST_F(HojaResumenPrueba, ElPieEnEuskeraDiceLoMismo) {
    lngIdioma = kOffsetEuskera;
    hoja.fechaPresentacion = "2013/10/28";
    hoja.impreso = 1;
    const auto& t = Pagina();
    lngIdioma = 0;
    EnLinea(t, "2013/10/28an /// 28/10/2013", 65, 195);
    EXPECT_TRUE(BuscarTexto(t, "ZIRRIBORROA / BORRADOR"));
    EnLinea(t, "Fecha", 55, 198);
}

TEST(FechaPresentacion, LaLineaNoDependeDeLaLenguaEnQueSeEscribio) {
    struct Caso {
        int32_t idioma;
        const char* fecha;
        const char* linea;
    };
    const Caso casos[] = {
        {0, "05/01/2014", "2014/01/05ean /// 05/01/2014"},
        {kOffsetEuskera, "2014/01/05", "2014/01/05ean /// 05/01/2014"},
        {0, "11/10/2013", "2013/10/11n /// 11/10/2013"},
        {0, "02/10/2013", "2013/10/02an /// 02/10/2013"},
    };
    for (const Caso& c : casos) {
        lngIdioma = c.idioma;
        EXPECT_EQ(LineaFechaPresentacion(c.fecha).toStdString(), c.linea);
        EXPECT_EQ(lngIdioma, c.idioma);
    }
    lngIdioma = 0;
}

TEST(Departamento, LasDosLineasCabenEnLaBandaMasEstrecha) {
    const LineasDepartamento lineas = ObtenerDepartamento();
    LienzoGrabacion l;
    l.Fuente({"Arial", 7, false, false});
    EXPECT_LT(l.TextWidth(lineas.euskera), 60);
    EXPECT_LT(l.TextWidth(lineas.castellano), 60);
}

TEST(FechaPresentacion, RotulosDeLosEjemplares) {
    EXPECT_EQ(RotuloEjemplar(1), "ZIRRIBORROA / BORRADOR");
    EXPECT_EQ(RotuloEjemplar(2), "AITORTZAILEAREN ALEA / EJEMPLAR PARA EL INTERESADO");
    EXPECT_EQ(RotuloEjemplar(0), "");
}

}  // namespace
