// The printing canvas: the placement primitives, jobs, and the faces.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "grabacion.h"
#include "printing/fuentes.h"
#include "printing/imprimir_general.h"
#include "printing/lienzo.h"
#include "quelvort/error.h"

namespace {

using namespace quelvo;
using prueba::BuscarTexto;

class LienzoPrimitivas : public ::testing::Test {
protected:
    void SetUp() override { l.Fuente({"Arial", 9, false, false}); }
    // The one text the job drew.
    Operacion Unico() {
        const size_t antes = l.Trabajos().size();
        l.EndDoc();
        EXPECT_EQ(l.Trabajos().size(), antes + 1);
        EXPECT_EQ(l.Trabajos().back().size(), 1u);
        return l.Trabajos().back().front();
    }
    LienzoGrabacion l;
    const QString texto = QStringLiteral("Resumen 794");
};

TEST_F(LienzoPrimitivas, CadaPrimitivaColocaElTextoComoDice) {
    const double tw = l.TextWidth(texto);
    const double th = l.TextHeight(texto);
    ASSERT_GT(tw, 10);
    ASSERT_GT(th, 2);
    struct Caso {
        const char* nombre;
        std::function<void()> dibujar;
        double x, y;
    };
    const Caso casos[] = {
        {"EnCaja", [&] { ImprimirTextoEnCaja(l, 10, 20, 30, 8, texto); }, 10 + 15 - tw / 2, 20 + 4 - th / 2},
        {"Derecha", [&] { ImprimirTextoDerecha(l, 50, 20, texto); }, 50 - tw, 20},
        {"Texto", [&] { ImprimirTexto(l, 50, 20, texto); }, 50, 20},
        {"Centrado", [&] { ImprimirTextoCentrado(l, 10, 20, 60, texto); }, 10 + 30 - tw / 2, 20},
        {"CentradoLinea", [&] { ImprimirTextoCentradoLinea(l, 50, 20, texto); }, 50 - tw / 2, 20 - 0.35 * th},
        {"DerechaLinea", [&] { ImprimirTextoDerechaLinea(l, 50, 20, texto); }, 50 - tw, 20 - 0.35 * th},
        {"Linea", [&] { ImprimirTextoLinea(l, 50, 20, texto); }, 50, 20 - 0.35 * th},
    };
    for (const Caso& c : casos) {
        c.dibujar();
        const Operacion op = Unico();
        EXPECT_EQ(op.texto, texto) << c.nombre;
        EXPECT_NEAR(op.x1, c.x, 1e-9) << c.nombre;
        EXPECT_NEAR(op.y1, c.y, 1e-9) << c.nombre;
        EXPECT_EQ(op.fuente, l.Fuente()) << c.nombre;
    }
}

TEST_F(LienzoPrimitivas, UnTextoMasAnchoQueLaBandaSaleAAmbosLados) {
    ImprimirTextoCentrado(l, 10, 20, 5, texto);
    const Operacion op = Unico();
    EXPECT_LT(op.x1, 10);
    EXPECT_GT(op.x2, 15);
}

TEST_F(LienzoPrimitivas, UnTextoVacioNoDibujaNadaNiHaceTrabajo) {
    EXPECT_EQ(l.TextWidth(QString()), 0);
    EXPECT_GT(l.TextHeight(QString()), 0);
    ImprimirTextoDerecha(l, 10, 10, QString());
    l.EndDoc();
    EXPECT_TRUE(l.Trabajos().empty());
}

TEST_F(LienzoPrimitivas, LineasYCajas) {
    l.DrawWidth(5);
    DibujarLinea(l, 70, 14, 70, 42);
    DibujarCajaBlanca(l, 10, 14, 192, 42);
    DibujarCajaGris(l, 10, 79, 192, 95);
    l.EndDoc();
    ASSERT_EQ(l.Trabajos().size(), 1u);
    const Trabajo& t = l.Trabajos()[0];
    ASSERT_EQ(t.size(), 3u);
    EXPECT_TRUE(prueba::Dibuja(t, Operacion::Tipo::Linea, 70, 14, 70, 42));
    EXPECT_EQ(t[0].grosor, 5);
    EXPECT_TRUE(prueba::Dibuja(t, Operacion::Tipo::Caja, 10, 14, 192, 42));
    EXPECT_EQ(t[2].tipo, Operacion::Tipo::CajaRellena);
    EXPECT_EQ(t[2].color, 0xE0E0E0u);
}

TEST_F(LienzoPrimitivas, CadaEndDocEsUnTrabajoYUnoVacioNoCuenta) {
    ImprimirTexto(l, 1, 1, "a");
    l.EndDoc();
    l.EndDoc();
    ImprimirTexto(l, 1, 1, "b");
    l.EndDoc();
    ASSERT_EQ(l.Trabajos().size(), 2u);
    EXPECT_EQ(l.Trabajos()[1][0].texto, "b");
}

TEST_F(LienzoPrimitivas, UnFalloAMitadDePaginaNoEnviaNadaYDevuelveLaFuente) {
    l.DrawWidth(1);
    ImprimirTexto(l, 1, 1, "anterior");
    l.EndDoc();
    EXPECT_THROW(l.TrabajoCompleto([&] {
        l.Fuente({"Times New Roman", 20, true, true});
        l.DrawWidth(9);
        ImprimirTexto(l, 1, 1, "medio");
        throw rt::Error(5, "prueba", "fallo");
    }),
                 rt::Error);
    l.EndDoc();
    EXPECT_EQ(l.Trabajos().size(), 1u);
    EXPECT_EQ(l.Fuente(), (FuenteLienzo{"Arial", 9, false, false}));
    EXPECT_EQ(l.DrawWidth(), 1);
}

// A value too wide for its cell is set smaller, and only it: the texts that
// follow print at the size the page chose.
TEST_F(LienzoPrimitivas, TrasEncogerUnValorLosSiguientesVanASuTamano) {
    const QString largo = QStringLiteral("CONSTRUCCIONES Y CONTRATAS DEL NORTE SL");
    ASSERT_GT(l.TextWidth(largo), 20);
    const struct {
        const char* nombre;
        std::function<void()> ajustar;
    } casos[] = {
        {"Hasta", [&] { ImprimirTextoHasta(l, 10, 20, 30, largo); }},
        {"LineaHasta", [&] { ImprimirTextoLineaHasta(l, 10, 20, 30, largo); }},
        {"CentradoAjustado", [&] { ImprimirTextoCentradoAjustado(l, 10, 20, 20, largo); }},
    };
    for (const auto& c : casos) {
        c.ajustar();
        ImprimirTexto(l, 10, 30, texto);
        ImprimirTextoLinea(l, 10, 40, texto);
        l.EndDoc();
        const Trabajo& t = l.Trabajos().back();
        ASSERT_EQ(t.size(), 3u) << c.nombre;
        EXPECT_LT(t[0].fuente.puntos, 9) << c.nombre;
        EXPECT_EQ(t[1].fuente, (FuenteLienzo{"Arial", 9, false, false})) << c.nombre;
        EXPECT_EQ(t[2].fuente, (FuenteLienzo{"Arial", 9, false, false})) << c.nombre;
        EXPECT_EQ(l.Fuente(), (FuenteLienzo{"Arial", 9, false, false})) << c.nombre;
    }
}

TEST(FuentesImpresas, LasCarasLiberationEstanInstaladasYSeUsan) {
    struct Caso {
        const char* pedida;
        const char* cara;
    };
    for (const Caso c : {Caso{"Arial", "Liberation Sans"}, Caso{"Times New Roman", "Liberation Serif"}}) {
        for (bool negrita : {false, true})
            for (bool cursiva : {false, true}) {
                const QFont f = FuenteQt({c.pedida, 8, negrita, cursiva});
                const QFontInfo info(f);
                EXPECT_EQ(info.family(), c.cara) << c.pedida;
                EXPECT_EQ(info.bold(), negrita) << c.pedida;
                EXPECT_EQ(info.italic(), cursiva) << c.pedida;
            }
    }
}

TEST(FuentesImpresas, LasMedidasSonLasDeLaCaraMetricamenteCompatible) {
    LienzoGrabacion l;
    l.Fuente({"Arial", 10, false, false});
    // Liberation Sans advances "0" by 1139/2048 em: 10 pt are 3.5278 mm.
    EXPECT_NEAR(l.TextWidth("0000000000"), 10 * 3.5278 * 1139.0 / 2048.0, 0.05);
    l.FontName("Times New Roman");
    // Liberation Serif advances "0" by 1024/2048 em.
    EXPECT_NEAR(l.TextWidth("0000000000"), 10 * 3.5278 * 0.5, 0.05);
}

}  // namespace
