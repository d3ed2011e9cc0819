// The medium label and the draft listing as drawn on the recording canvas.
#include <gtest/gtest.h>

#include "declarations/clistadeclaraciones.h"
#include "entorno.h"
#include "grabacion.h"
#include "printing/borrador_declarados.h"
#include "printing/etiqueta_soporte.h"
#include "services/globales.h"
#include "services/objetos.h"

namespace {

using namespace quelvo;
using prueba::BuscarTexto;
using prueba::Textos;
using rt::Variant;
using rt::VArray;

class EtiquetaPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        lngIdioma = 0;
        e.persona.nif = "B01234567";
        e.persona.nombre = "ASESORIA PRESENTADORA SL";
        e.persona.siglas = "CL";
        e.persona.domicilio = "Mayor";
        e.persona.municipio = "Vitoria-Gasteiz";
        e.persona.cpost = 1234;
        e.persona.contacto = QString(40, 'C');
        e.persona.telefonoContacto = 945000000;
        e.ejercicio = 2011;
        e.periodo = "1er TRIMESTRE";
        e.moneda = "E";
    }
    const prueba::Trabajo& Etiqueta() {
        ImprimirEtiquetas(l, e);
        EXPECT_EQ(l.Trabajos().size(), 1u);
        return l.Trabajos().back();
    }
    LienzoGrabacion l;
    EtiquetaSoporte e;
};

// A text placed by its top-left corner.
void En(const prueba::Trabajo& t, const QString& texto, double x, double y) {
    for (const auto& op : t)
        if (op.texto == texto && std::abs(op.x1 - x) < 1e-6 && std::abs(op.y1 - y) < 1e-6) return;
    ADD_FAILURE() << texto.toStdString() << " at " << x << ", " << y;
}

// A text centred in the band (x, width), top at y.
void Centrado(const prueba::Trabajo& t, const QString& texto, double x, double ancho, double y) {
    for (const auto& op : t)
        if (op.texto == texto && std::abs((op.x1 + op.x2) / 2 - (x + ancho / 2)) < 1e-6 &&
            std::abs(op.y1 - y) < 1e-6)
            return;
    ADD_FAILURE() << texto.toStdString() << " centred in " << x << " + " << ancho << " at " << y;
}

TEST_F(EtiquetaPrueba, ColectivaConElPresentadorYLosRecuentos) {
    e.indCol = 1;
    e.numeroDeclarantes = 3;
    e.numeroRegistros = 57;
    const auto& t = Etiqueta();
    EXPECT_TRUE(prueba::Dibuja(t, Operacion::Tipo::Caja, 64, 16, 136, 87));
    Centrado(t, "Ogasun eta Zerga Saila", 68, 65, 22.5);
    Centrado(t, "Departamento de Hacienda y Fiscalidad", 68, 65, 26);
    Centrado(t, "Taldeko aurkezpena / Presentación colectiva", 64, 72, 35);
    Centrado(t, "01234  Vitoria-Gasteiz", 68, 65, 54);
    // No number, letter, stair, floor or door: the number is blank and each
    // empty part leaves its blank.
    Centrado(t, "CL Mayor,     ", 68, 65, 51);
    En(t, "Aitortzaile Kop. / NºDeclarantes:", 66, 60);
    En(t, "3", 98, 60);
    En(t, "57", 123, 60);
    En(t, "E", 133, 60);
    En(t, QString(33, 'C'), 66, 68);
    En(t, "945000000", 117, 68);
    En(t, "2011", 79, 41.5);
    En(t, "2011", 79, 82.5);
    En(t, "1er TRIMESTRE", 95, 82.5);
    En(t, "B01234567", 120, 82.5);
    const auto ekitaldia = BuscarTexto(t, "Ekitaldia");
    ASSERT_TRUE(ekitaldia);
    EXPECT_TRUE(ekitaldia->fuente.cursiva);
}

TEST_F(EtiquetaPrueba, IndividualConSuNumeroDeRegistros) {
    e.indCol = 0;
    e.numeroRegistros = 12;
    e.persona.numero = 5;
    e.persona.letra = "A";
    const auto& t = Etiqueta();
    Centrado(t, "Bakarko aurkezpena / Presentación individual", 64, 72, 35);
    Centrado(t, "CL Mayor, 5 A   ", 68, 65, 51);
    En(t, "Erreg.Kop. / NºRegs.:", 66, 60);
    En(t, "12", 89, 60);
    En(t, "E", 102, 60);
    EXPECT_FALSE(BuscarTexto(t, "Aitortzaile Kop. / NºDeclarantes:"));
}

// Values too long for their place are set smaller, whole, and end before
// what stands after them: the next caption, or the inner box's edge for the
// lines centred in it.
TEST_F(EtiquetaPrueba, LosValoresLargosNoPisanLoQueTienenAlLado) {
    e.persona.nombre = QString(40, 'W');
    e.persona.domicilio = QString(30, 'W');
    e.persona.municipio = QString(40, 'W');
    e.persona.contacto = QString(33, 'W');
    e.numeroDeclarantes = 9999;
    e.numeroRegistros = 99999;
    const QString lugar = "01234  " + e.persona.municipio;
    for (const int32_t indCol : {0, 1}) {
        e.indCol = indCol;
        LienzoGrabacion lienzo;
        ImprimirEtiquetas(lienzo, e);
        const auto& t = lienzo.Trabajos().at(0);
        const auto inicio = [&](const QString& texto) {
            const auto op = BuscarTexto(t, texto);
            return op ? op->x1 : -1.0;
        };
        const struct {
            QString texto;
            double desde, hasta;
        } casos[] = {
            {e.persona.nombre, 66, 134},
            {DireccionEtiqueta(e.persona), 66, 134},
            {lugar, 66, 134},
            {e.persona.contacto, 66, inicio("945000000")},
            {"99999", 0, inicio("Mon.:")},
            {"9999", 0, indCol == 1 ? inicio("Erreg.Kop. / NºRegs.:") : 1e9},
        };
        for (const auto& c : casos) {
            const auto op = BuscarTexto(t, c.texto);
            if (indCol == 0 && c.texto == "9999") {
                EXPECT_FALSE(op);  // no count of declarants
                continue;
            }
            ASSERT_TRUE(op) << c.texto.toStdString();
            EXPECT_GE(op->x1, c.desde) << c.texto.toStdString() << " " << indCol;
            EXPECT_LT(op->x2, c.hasta) << c.texto.toStdString() << " " << indCol;
            EXPECT_LT(op->fuente.puntos, 6) << c.texto.toStdString();
        }
    }
}

// n entries of a 2010 declaration, the last ones rectifications.
Variant Declarados(int32_t n, int32_t rectificaciones = 0) {
    VArray m({0, 13}, {0, n});
    for (int32_t i = 1; i <= n; ++i) {
        const bool r = i > n - rectificaciones;
        m.at(2, i) = "FR";
        m.at(4, i) = "FR" + std::to_string(10000 + i);
        m.at(5, i) = "CLIENTE " + std::to_string(i);
        m.at(6, i) = r ? "R" : "N";
        m.at(7, i) = "E";
        m.at(8, i) = "123450";
        m.at(9, i) = r ? "-" : "";
        m.at(10, i) = r ? "2010" : "0";
        m.at(11, i) = r ? "3" : "0";
        m.at(12, i) = "";
        m.at(13, i) = r ? "2" : "0";
    }
    return m;
}

class BorradorPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        lngIdioma = 0;
        objListaDeclaraciones().Ejercicio(2010);
        objListaDeclaraciones().Periodo(6);
        b.nombre = "EMPRESA DE PRUEBA SA";
        b.nif = "12345678Z";
        b.ejercicio = 2010;
        b.periodo = "2º TRIMESTRE";
        b.moneda = "E";
    }
    prueba::Entorno entorno;
    LienzoGrabacion l;
    BorradorDeclarados b;
};

TEST_F(BorradorPrueba, PaginasPorNumeroDeDeclarados) {
    const std::pair<int32_t, int16_t> casos[] = {{0, 0}, {1, 1}, {10, 1}, {11, 2}, {22, 2}, {23, 3}, {34, 3}, {35, 4}};
    for (const auto& [n, paginas] : casos) EXPECT_EQ(PaginasBorrador(n), paginas) << n;
}

TEST_F(BorradorPrueba, CadaPaginaEsUnTrabajoConSuNumero) {
    for (const auto& [n, paginas] : {std::pair{10, 1}, std::pair{11, 2}, std::pair{23, 3}}) {
        LienzoGrabacion lienzo;
        b.declarados = Declarados(n);
        ImprimirBorradorDeclarados(lienzo, b);
        ASSERT_EQ(static_cast<int>(lienzo.Trabajos().size()), paginas) << n;
        for (int p = 1; p <= paginas; ++p) {
            const auto& t = lienzo.Trabajos()[static_cast<size_t>(p - 1)];
            const QString numero = QString::number(p) + "/" + QString::number(paginas);
            const auto op = BuscarTexto(t, numero);
            ASSERT_TRUE(op) << numero.toStdString();
            EXPECT_DOUBLE_EQ(op->x1, 180);
            EXPECT_DOUBLE_EQ(op->y1, 35);
            // Only the first page has the totals box; the headings follow it.
            EXPECT_EQ(prueba::Dibuja(t, Operacion::Tipo::Caja, 10, 43, 192, 78), p == 1);
            EXPECT_TRUE(prueba::Dibuja(t, Operacion::Tipo::CajaRellena, 10, p == 1 ? 79 : 43, 192, p == 1 ? 95 : 59));
            // Every row frame, filled or not.
            const int filas = p == 1 ? 10 : 12;
            for (int r = 0; r < filas; ++r) {
                const double top = (p == 1 ? 96 : 60) + 17 * r;
                EXPECT_TRUE(prueba::Dibuja(t, Operacion::Tipo::Caja, 10, top, 192, top + 16)) << p << " " << r;
            }
        }
    }
}

TEST_F(BorradorPrueba, LaSegundaPaginaDeOnceLlevaElOnceYOnceMarcosVacios) {
    b.declarados = Declarados(11);
    ImprimirBorradorDeclarados(l, b);
    ASSERT_EQ(l.Trabajos().size(), 2u);
    const auto& t = l.Trabajos()[1];
    const auto once = BuscarTexto(t, "11");
    ASSERT_TRUE(once);
    EXPECT_NEAR((once->y1 + once->y2) / 2, 60 + 8, 1e-6);
    EXPECT_FALSE(BuscarTexto(t, "12"));
    EXPECT_FALSE(BuscarTexto(t, "CLIENTE 10"));
    EXPECT_TRUE(BuscarTexto(t, "CLIENTE 11"));
}

// A declarant's name too wide for the header is set smaller and ends
// before the rule at x 170; a short one keeps its size.
TEST_F(BorradorPrueba, ElNombreDelDeclaranteNoPasaDeLaRaya) {
    b.declarados = Declarados(1);
    for (const auto& [nombre, cabe] : {std::pair{"CONSTRUCCIONES Y CONTRATAS DEL NORTE SL", false},
                                      std::pair{"EMPRESA DE PRUEBA SA", true}}) {
        LienzoGrabacion lienzo;
        b.nombre = nombre;
        ImprimirBorradorDeclarados(lienzo, b);
        const auto op = BuscarTexto(lienzo.Trabajos().at(0), nombre);
        ASSERT_TRUE(op) << nombre;
        EXPECT_DOUBLE_EQ(op->x1, 93);
        EXPECT_LT(op->x2, 170) << nombre;
        EXPECT_EQ(op->fuente.puntos < 9, !cabe) << nombre;
    }
}

TEST_F(BorradorPrueba, FilasNormalesYRectificaciones) {
    b.declarados = Declarados(2, 1);
    b.moneda = "P";
    ImprimirBorradorDeclarados(l, b);
    const auto& t = l.Trabajos()[0];
    const double arriba = 96;
    En(t, "CLIENTE 1", 69, arriba + 2);
    En(t, "Entregas intracomunitarias", 31, arriba + 10);
    // 1234.50 pesetas in euros.
    const auto base = BuscarTexto(t, "7,42");
    ASSERT_TRUE(base);
    EXPECT_NEAR(base->x2, 130, 1e-6);
    En(t, "Rectificaciones - Entregas intracomunitarias", 31, arriba + 17 + 10);
    Centrado(t, "-", 135, 10, arriba + 17 + 10);
    Centrado(t, "2010", 145, 15, arriba + 17 + 10);
    // The rectified period only on the rectification's row (the headings'
    // column starts at the same x).
    int enPeriodo = 0;
    for (const auto& op : t)
        if (op.tipo == Operacion::Tipo::Texto && std::abs(op.x1 - 161) < 1e-6 && op.y1 > 96) {
            ++enPeriodo;
            EXPECT_DOUBLE_EQ(op.y1, arriba + 17 + 10);
            EXPECT_FALSE(op.texto.isEmpty());
        }
    EXPECT_EQ(enPeriodo, 1);
}

TEST_F(BorradorPrueba, LaCajaDeTotalesSegunElEjercicio) {
    b.declarados = Declarados(3);
    b.totales = Variant(VArray({0, 2}, {0, 2}));
    auto& m = b.totales.array();
    m.at(0, 1) = "N";
    m.at(1, 1) = "123450";
    m.at(2, 1) = "1234";
    m.at(0, 2) = "R";
    m.at(1, 2) = "100";
    m.at(2, 2) = "2";
    ImprimirBorradorDeclarados(l, b);
    const auto& t = l.Trabajos()[0];
    En(t, "01", 81, 61);
    En(t, "03", 81, 69);
    EXPECT_FALSE(BuscarTexto(t, "05"));
    const auto numero = BuscarTexto(t, "1.234");
    ASSERT_TRUE(numero);
    EXPECT_NEAR(numero->x2, 125, 1e-6);
    EXPECT_DOUBLE_EQ(numero->y1, 62);
    const auto importe = BuscarTexto(t, "1.234,50");
    ASSERT_TRUE(importe);
    EXPECT_NEAR(importe->x2, 175, 1e-6);
    // The first line has no values from 2010.
    for (const auto& op : t) {
        if (op.tipo == Operacion::Tipo::Texto && std::abs(op.y1 - 54) < 1e-6 && op.fuente.negrita)
            ADD_FAILURE() << op.texto.toStdString();
    }
    EXPECT_TRUE(BuscarTexto(t, "Operaciones intracomunitarias............."));

    LienzoGrabacion antiguo;
    b.ejercicio = 2009;
    objListaDeclaraciones().Ejercicio(2009);
    ImprimirBorradorDeclarados(antiguo, b);
    const auto& t2 = antiguo.Trabajos()[0];
    En(t2, "01", 81, 53);
    En(t2, "05", 81, 69);
    EXPECT_TRUE(BuscarTexto(t2, "Entregas intracomunitarias....................."));
}

TEST_F(BorradorPrueba, SinDeclaradosNoSeImprimeNada) {
    ImprimirBorradorDeclarados(l, b);
    EXPECT_TRUE(l.Trabajos().empty());
}

}  // namespace
