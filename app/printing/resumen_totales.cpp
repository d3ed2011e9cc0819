// The summary form's totals block, in the layout up to 2009 (boxes 01 to 05)
// and in the layout from 2010 (boxes 01 to 03).
#include <QString>

#include "printing/formato.h"
#include "printing/hoja_resumen.h"
#include "printing/imprimir_general.h"
#include "printing/rotulos.h"
#include "printing/totales.h"

namespace quelvo {

namespace {

struct Tramo {
    double x1, y1, x2, y2;
};

void Lineas(Lienzo& l, std::initializer_list<Tramo> tramos) {
    for (const Tramo& t : tramos) DibujarLinea(l, t.x1, t.y1, t.x2, t.y2);
}

// The frame, picture strip and point both layouts share.
void Marco(Lienzo& l) {
    DibujarCajaBlanca(l, 1.21, 71.11, 196.63, 103.16);
    l.PaintPicture(QStringLiteral("Resumen"), 3, 72);
    DibujarLinea(l, 10.44, 71.11, 10.44, 103.16);
    DibujarCajaBlanca(l, 61.73, 83.56, 61.73, 83.56);
}

void FuenteNumeros(Lienzo& l) { l.Fuente({kTimes, 7, false, false}); }

void Encabezados(Lienzo& l) {
    Rotulos(l, {{"ZERRENDAKO PERTSONAK ETA ENTITATEAK", 78.41, 72.84, true},
                {"PERSONAS Y ENTIDADES RELACIONADAS", 78.41, 75.35, false},
                {"ZENBATEKOA", 158.33, 73.1, true},
                {"IMPORTE", 160.43, 75.35, false}});
}

void Valor(Lienzo& l, double x, double y, const QString& texto) {
    ImprimirTextoDerechaLinea(l, x, y, texto);
}

// The totals a page prints: none on the presenter's page.
TotalesDeclaracion Reunir(const HojaResumen& hoja) {
    if (hoja.persona != 0) return {};
    return SumarTotales(hoja.totales, hoja.ejercicio, hoja.moneda);
}

}  // namespace

int32_t ImprimirTotalesHasta2009(Lienzo& l, const HojaResumen& hoja) {
    const TotalesDeclaracion t = Reunir(hoja);

    Marco(l);
    DibujarCajaBlanca(l, 70.99, 77.46, 190.48, 91.91);
    Lineas(l, {{130.79, 77.46, 130.79, 99.14},
               {70.99, 99.14, 130.79, 99.14},
               {70.99, 91.84, 70.99, 99.14},
               {70.99, 85.14, 190.63, 85.14},
               {70.99, 96.53, 76.01, 96.53}});

    FuenteNumeros(l);
    ImprimirTextoLinea(l, 72.33, 79.59, QStringLiteral("01"));
    ImprimirTextoLinea(l, 132.38, 79.59, QStringLiteral("02"));
    ImprimirTextoLinea(l, 72.33, 87.13, QStringLiteral("03"));
    ImprimirTextoLinea(l, 132.38, 87.25, QStringLiteral("04"));
    ImprimirTextoLinea(l, 72.33, 94.14, QStringLiteral("05"));
    Lineas(l, {{70.99, 82.21, 76.01, 82.21},
               {130.79, 82.26, 136.08, 82.26},
               {70.99, 89.89, 76.01, 89.89},
               {130.79, 89.89, 136.08, 89.89},
               {76.01, 77.46, 76.01, 82.21},
               {76.01, 85.14, 76.01, 89.89},
               {76.01, 92.02, 76.01, 96.53},
               {136.08, 77.46, 136.08, 82.26},
               {136.08, 85.18, 136.08, 89.89}});

    l.FontSize(6);
    Rotulos(l, {{"BATASUN BARRUKO EMATEAK", 17.82, 80.91, true},
                {"ENTREGAS INTRACOMUNITARIAS", 17.55, 83.32, false},
                {"BATASUN BARRUKO ESKURAPENAK", 17.82, 88.06, true},
                {"ADQUISICIONES INTRACOMUNITARIAS", 17.82, 90.96, false},
                {"ZUZENKETAK", 17.82, 94.92, true},
                {"RECTIFICACIONES", 17.82, 97.85, false}});
    Encabezados(l);
    l.FontSize(8);
    ImprimirTextoLinea(l, 53.25, 83.32, Puntos(22));
    ImprimirTextoLinea(l, 59.86, 90.96, Puntos(13));
    ImprimirTextoLinea(l, 36.87, 97.32, Puntos(46));

    l.Fuente({kArial, 8, true, false});
    Valor(l, 117.31, 81.44, Formato(t.numeroPrimera, "#,#"));
    Valor(l, 175.51, 81.44, TextoCB(rt::Variant(NumeroSimple(t.importePrimera).toStdString())));
    Valor(l, 117.31, 88.83, Formato(t.numeroSegunda, "#,#"));
    Valor(l, 175.51, 88.83, TextoCB(rt::Variant(NumeroSimple(t.importeSegunda).toStdString())));
    Valor(l, 117.31, 96.24, Formato(t.numeroRectificaciones, "#,#"));
    l.FontBold(false);
    return t.numeroDeclarados;
}

int32_t ImprimirTotalesDesde2010(Lienzo& l, const HojaResumen& hoja) {
    const TotalesDeclaracion t = Reunir(hoja);

    Marco(l);
    DibujarLinea(l, 190.63, 77.46, 190.63, 85.14);
    DibujarLinea(l, 130.79, 77.46, 130.79, 92);
    DibujarCajaBlanca(l, 70.99, 77.46, 70.99, 92);
    Lineas(l, {{70.99, 92, 130.79, 92}, {70.99, 77.46, 190.63, 77.46}, {70.99, 85.14, 190.63, 85.14}});

    FuenteNumeros(l);
    ImprimirTextoLinea(l, 72.33, 79.59, QStringLiteral("01"));
    ImprimirTextoLinea(l, 132.38, 79.59, QStringLiteral("02"));
    ImprimirTextoLinea(l, 72.33, 87.13, QStringLiteral("03"));
    Lineas(l, {{70.99, 82.21, 76.01, 82.21},
               {130.79, 82.26, 136.08, 82.26},
               {70.99, 89.89, 76.01, 89.89},
               {76.01, 77.46, 76.01, 82.21},
               {76.01, 85.14, 76.01, 89.89},
               {136.08, 77.46, 136.08, 82.26}});

    l.FontSize(6);
    Rotulos(l, {{"BATASUN BARRUKO ERAGIKETAK", 17.82, 80.91, true},
                {"OPERACIONES INTRACOMUNITARIAS", 17.55, 83.32, false},
                {"ZUZENKETAK", 17.82, 88.06, true},
                {"RECTIFICACIONES", 17.82, 90.96, false}});
    Encabezados(l);
    l.FontSize(8);
    ImprimirTextoLinea(l, 53.25, 83.32, Puntos(22));
    ImprimirTextoLinea(l, 36.87, 90.96, Puntos(46));

    l.Fuente({kArial, 8, true, false});
    Valor(l, 117.31, 81.44, Formato(t.numeroSegunda, "#,#"));
    Valor(l, 175.51, 81.44, TextoCB(rt::Variant(Formato(t.importeSegunda, "#,###,###,###,##0.00").toStdString())));
    Valor(l, 117.31, 88.83, Formato(t.numeroRectificaciones, "#,#"));
    l.FontBold(false);
    return t.numeroDeclarados;
}

}  // namespace quelvo
