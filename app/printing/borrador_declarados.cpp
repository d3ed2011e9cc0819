#include "printing/borrador_declarados.h"

#include "declarations/descripcion_clave.h"
#include "printing/departamento.h"
#include "printing/formato.h"
#include "printing/imprimir_general.h"
#include "printing/totales.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/convert.h"
#include "services/claves.h"
#include "services/globales.h"
#include "services/periodos.h"

namespace quelvo {

namespace {

constexpr int kFilasPrimera = 10;
constexpr int kFilasSiguientes = 12;

QString Texto(const rt::Variant& v) {
    return v.isNull() || v.isEmpty() ? QString() : QString::fromStdString(rt::CStr(v));
}

QString Dinero(double euros) { return Formato(euros, "#,###,###,###,##0.00"); }

void ImprimirCabeceraBorrador(Lienzo& l, const BorradorDeclarados& b, int pagina, int paginas) {
    l.DrawWidth(9);
    DibujarCajaBlanca(l, 10, 14, 192, 42);
    l.FontSize(9);
    ImprimirTextoCentrado(l, 10, 20, 60, QStringLiteral("Arbekoko Foru Aldundia"));
    ImprimirTextoCentrado(l, 10, 24, 60, QStringLiteral("Diputación Foral de Arbeko"));
    const LineasDepartamento departamento = ObtenerDepartamento();
    l.FontSize(7);
    ImprimirTextoCentrado(l, 10, 32, 60, departamento.euskera);
    ImprimirTextoCentrado(l, 10, 36, 60, departamento.castellano);
    l.DrawWidth(1);
    DibujarLinea(l, 70, 14, 70, 42);
    l.FontSize(20);
    l.FontBold(true);
    ImprimirTextoCentrado(l, 70, 16, 100, QStringLiteral("ZIRRIBORROA / BORRADOR"));
    l.DrawWidth(4);
    DibujarLinea(l, 70, 25, 170, 25);
    l.DrawWidth(1);
    l.FontSize(9);
    l.FontBold(false);
    ImprimirTexto(l, 72, 26, QStringLiteral("Aitortzailea"));
    ImprimirTexto(l, 72, 29, QStringLiteral("Declarante"));
    // The declarant's values and the period stop short of the rule at 170.
    l.FontBold(true);
    ImprimirTextoHasta(l, 93, 26, 170, b.nombre);
    ImprimirTextoHasta(l, 93, 29, 170, b.nif);
    l.FontBold(false);
    ImprimirTexto(l, 72, 34, QStringLiteral("Ekitaldia"));
    ImprimirTexto(l, 72, 37, QStringLiteral("Ejercicio"));
    l.FontBold(true);
    ImprimirTexto(l, 87, 35, QString::number(b.ejercicio));
    l.FontBold(false);
    ImprimirTexto(l, 98, 34, QStringLiteral("Aldia"));
    ImprimirTexto(l, 98, 37, QStringLiteral("Periodo"));
    l.FontBold(true);
    ImprimirTextoHasta(l, 113, 35, 170, b.periodo.toLower());
    l.FontBold(false);
    DibujarLinea(l, 170, 14, 170, 42);
    l.FontSize(30);
    l.FontBold(true);
    ImprimirTextoCentrado(l, 170, 20, 22, QStringLiteral("794"));
    l.FontSize(12);
    l.FontBold(false);
    ImprimirTexto(l, 180, 35, QString::number(pagina) + "/" + QString::number(paginas));
}

void ImprimirColumnasBorrador(Lienzo& l, double x1, double y1, double x2, double y2) {
    l.FontSize(8);
    DibujarCajaGris(l, x1, y1, x2, y2);
    l.DrawWidth(1);
    DibujarLinea(l, x1 + 20, y1, x1 + 20, y2);
    for (double dx : {32.0, 57.0}) DibujarLinea(l, x1 + dx, y1, x1 + dx, y1 + 8);
    DibujarLinea(l, x1 + 20, y1 + 8, x2, y1 + 8);
    for (double dx : {73.0, 125.0, 135.0, 150.0}) DibujarLinea(l, x1 + dx, y1 + 8, x1 + dx, y2);
    const struct {
        const char* euskera;
        const char* castellano;
        double dx;
        bool abajo;
    } columnas[] = {
        {"Herria", "País", 21, false},
        {"NA / IFK", "DNI / CIF", 33, false},
        {"Deitura eta izena edo sozietatearen izena", "Apellidos y nombre o razón social", 58, false},
        {"Eragiketa gakoa", "Clave de operación", 21, true},
        {"Oinarri ezargarria", "Base Imponible", 74, true},
        {"Zeinu", "Signo", 126, true},
        {"Ekitaldia", "Ejercicio", 136, true},
        {"Zergaldia", "Periodo", 151, true},
    };
    for (const auto& c : columnas) {
        const double y = y1 + (c.abajo ? 9 : 1);
        ImprimirTexto(l, x1 + c.dx, y, QString::fromUtf8(c.euskera));
        ImprimirTexto(l, x1 + c.dx, y + 3, QString::fromUtf8(c.castellano));
    }
    l.FontSize(9);
}

// A box number with the small corner that closes it.
void NumeroCasilla(Lienzo& l, double izquierda, double arriba, const char* numero) {
    ImprimirTexto(l, izquierda + 1, arriba + 1, QString::fromLatin1(numero));
    DibujarLinea(l, izquierda + 5, arriba, izquierda + 5, arriba + 5);
    DibujarLinea(l, izquierda, arriba + 5, izquierda + 5, arriba + 5);
}

void ImprimirValoresTotalesBorrador(Lienzo& l, const BorradorDeclarados& b) {
    const TotalesDeclaracion t = SumarTotales(b.totales, b.ejercicio, b.moneda);
    l.FontBold(true);
    ImprimirTextoDerecha(l, 125, 54, Formato(t.numeroPrimera, "#,#"));
    ImprimirTextoDerecha(l, 175, 54, TextoCB(rt::Variant(Dinero(t.importePrimera).toStdString())));
    ImprimirTextoDerecha(l, 125, 62, Formato(t.numeroSegunda, "#,#"));
    ImprimirTextoDerecha(l, 175, 62, TextoCB(rt::Variant(Dinero(t.importeSegunda).toStdString())));
    ImprimirTextoDerecha(l, 125, 70, Formato(t.numeroRectificaciones, "#,#"));
    l.FontBold(false);
}

void ImprimirTotalesBorrador(Lienzo& l, const BorradorDeclarados& b) {
    const bool hasta2009 = b.ejercicio <= 2009;
    l.DrawWidth(9);
    DibujarCajaBlanca(l, 10, 43, 192, 78);
    l.FontSize(9);
    l.FontItalic(true);
    ImprimirTextoCentrado(l, 80, 44, 53, QStringLiteral("Zerrendako pertsonak eta entitateak"));
    ImprimirTextoCentrado(l, 133, 44, 53, QStringLiteral("Zenbatekoa"));
    l.FontItalic(false);
    ImprimirTextoCentrado(l, 80, 48, 53, QStringLiteral("Personas y entidades relacionadas"));
    ImprimirTextoCentrado(l, 133, 48, 53, QStringLiteral("Importe"));
    l.DrawWidth(1);
    DibujarCajaBlanca(l, 80, hasta2009 ? 52 : 60, 186, 68);
    DibujarLinea(l, 80, 60, 186, 60);
    if (hasta2009) {
        NumeroCasilla(l, 80, 52, "01");
        NumeroCasilla(l, 133, 52, "02");
        NumeroCasilla(l, 80, 60, "03");
        NumeroCasilla(l, 133, 60, "04");
        NumeroCasilla(l, 80, 68, "05");
    } else {
        NumeroCasilla(l, 80, 60, "01");
        NumeroCasilla(l, 133, 60, "02");
        NumeroCasilla(l, 80, 68, "03");
    }
    DibujarLinea(l, 133, hasta2009 ? 52 : 60, 133, 76);
    DibujarLinea(l, 80, 76, 133, 76);
    DibujarLinea(l, 80, 59, 80, 76);

    const auto rotulo = [&](double y, const char* texto, bool cursiva) {
        l.FontItalic(cursiva);
        ImprimirTexto(l, 20, y, QString::fromUtf8(texto));
        l.FontItalic(false);
    };
    if (hasta2009) {
        rotulo(51, "Batasun barruko emateak", true);
        rotulo(55, "Entregas intracomunitarias.....................", false);
        rotulo(60, "Batasun barruko eskurapenak", true);
        rotulo(64, "Adquisiciones intracomunitarias.............", false);
    } else {
        rotulo(60, "Batasun barruko eragiketak", true);
        rotulo(64, "Operaciones intracomunitarias.............", false);
    }
    rotulo(69, "Zuzenketak", true);
    rotulo(73, "Rectificaciones.......................................", false);
    ImprimirValoresTotalesBorrador(l, b);
}

void DibujarFilaBorrador(Lienzo& l, double x1, double y1, double x2, double y2, const QString& numero) {
    const double medio = y1 + (y2 - y1) / 2;
    l.DrawWidth(9);
    DibujarCajaBlanca(l, x1, y1, x2, y2);
    l.FontSize(20);
    DibujarLinea(l, x1 + 20, y1, x1 + 20, y2);
    l.DrawWidth(5);
    l.FontBold(true);
    ImprimirTextoEnCaja(l, x1, y1, 20, 16, numero);
    l.FontBold(false);
    l.FontSize(9);
    for (double dx : {32.0, 57.0}) DibujarLinea(l, x1 + dx, y1, x1 + dx, medio);
    DibujarLinea(l, x1 + 20, medio, x2, medio);
    for (double dx : {93.0, 125.0, 135.0, 150.0}) DibujarLinea(l, x1 + dx, medio, x1 + dx, y2);
}

void ImprimirFilaDeclarado(Lienzo& l, const BorradorDeclarados& b, int32_t i, double t) {
    using C = quelvodat::ColumnaOperadores;
    const rt::Variant& d = b.declarados;
    DibujarFilaBorrador(l, 10, t, 192, t + 16, QString::number(i));
    l.FontSize(9);
    l.FontBold(false);
    ImprimirTextoCentrado(l, 30, t + 2, 12, Texto(d(C::paiso, i)));
    ImprimirTextoCentrado(l, 42, t + 2, 25, Texto(d(C::nifo, i)));
    ImprimirTexto(l, 69, t + 2, Texto(d(C::razon, i)));

    const bool rectificacion = Texto(d(C::tipoopo, i)) == "R";
    QString clave = DescripcionClave(Texto(d(C::claveopo, i)), QString());
    if (rectificacion) clave.prepend(lngIdioma == 0 ? "Rectificaciones - " : "Zuzenketak - ");
    ImprimirTexto(l, 31, t + 10, clave);
    ImprimirTextoDerecha(l, 130, t + 10,
                         Dinero(EurosDeCentesimas(rt::CDbl(d(C::base, i)), b.moneda)));
    if (!rectificacion) return;
    ImprimirTextoCentrado(l, 135, t + 10, 10, Texto(d(C::signoo, i)));
    ImprimirTextoCentrado(l, 145, t + 10, 15, Texto(d(C::ejercicioo, i)));
    const rt::Variant& periodo = d(C::periodoo, i);
    const rt::Variant& periodicidad = d(C::periodicidad, i);
    const bool hayPeriodo = rt::IsNumeric(periodo) && rt::IsNumeric(periodicidad) &&
                            !Texto(periodo).isEmpty() && !Texto(periodicidad).isEmpty();
    if (hayPeriodo)
        ImprimirTexto(l, 161, t + 10, DescripcionPeriodo(rt::CInt(periodo), rt::CInt(periodicidad)));
}

void ImprimirPaginaBorrador(Lienzo& l, const BorradorDeclarados& b, int16_t& pagina, int16_t paginas) {
    const int32_t n = rt::UBound(b.declarados, 2);
    l.TrabajoCompleto([&] {
        const double tamano = l.FontSize();
        ImprimirCabeceraBorrador(l, b, pagina, paginas);
        const bool primera = pagina == 1;
        if (primera) {
            ImprimirTotalesBorrador(l, b);
            ImprimirColumnasBorrador(l, 10, 79, 192, 95);
        } else {
            ImprimirColumnasBorrador(l, 10, 43, 192, 59);
        }
        const int filas = primera ? kFilasPrimera : kFilasSiguientes;
        const int32_t desde = primera ? 1 : kFilasSiguientes * (pagina - 2) + kFilasPrimera + 1;
        const double arriba = primera ? 96 : 60;
        for (int r = 0; r < filas; ++r) {
            const double t = arriba + 17 * r;
            const int32_t i = desde + r;
            if (i <= n)
                ImprimirFilaDeclarado(l, b, i, t);
            else
                DibujarFilaBorrador(l, 10, t, 192, t + 16, QString());
        }
        l.FontSize(tamano);
    });
    ++pagina;
}

}  // namespace

int16_t PaginasBorrador(int32_t n) {
    if (n <= 0) return 0;
    if (n <= kFilasPrimera) return 1;
    return static_cast<int16_t>(1 + (n - kFilasPrimera + kFilasSiguientes - 1) / kFilasSiguientes);
}

void ImprimirBorradorDeclarados(Lienzo& l, const BorradorDeclarados& b) {
    if (!b.declarados.isArray()) return;
    const int16_t paginas = PaginasBorrador(rt::UBound(b.declarados, 2));
    for (int16_t pagina = 1; pagina <= paginas;) ImprimirPaginaBorrador(l, b, pagina, paginas);
}

}  // namespace quelvo
