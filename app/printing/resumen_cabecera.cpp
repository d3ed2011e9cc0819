// The summary form's header band and identification block.
#include <QList>
#include <QString>

#include "printing/departamento.h"
#include "printing/formato.h"
#include "printing/hoja_resumen.h"
#include "printing/imprimir_general.h"
#include "printing/rotulos.h"
#include "services/periodos.h"

namespace quelvo {

void ImprimirCabecera(Lienzo& l) {
    l.FontName(kArial);
    DibujarCajaBlanca(l, 1.21, 0, 196.63, 25.07);
    l.PaintPicture(QStringLiteral("Logo"), 2, 1);
    l.Fuente({kArial, 8, true, false});
    ImprimirTextoLinea(l, 21, 3.12, QStringLiteral("Arbekoko Foru Aldundia"));
    ImprimirTextoLinea(l, 21, 6.83, QStringLiteral("Diputación Foral de Arbeko"));
    const LineasDepartamento departamento = ObtenerDepartamento();
    l.Fuente({kArial, 7, false, false});
    ImprimirTextoLinea(l, 3.26, 17.41, departamento.euskera);
    ImprimirTextoLinea(l, 3.26, 21.91, departamento.castellano);
    l.Fuente({kArial, 9, false, false});
    DibujarLinea(l, 61.4, 0, 61.4, 25.07);
    l.FontBold(true);
    ImprimirTextoLinea(l, 71.78, 5.49,
                       QStringLiteral("EEEko subjektu pasiboekin egindako eragiketen laburbilketa"));
    ImprimirTextoCentradoLinea(
        l, 118.34, 9.98,
        QStringLiteral("Resumen recapitulativo de operaciones con sujetos pasivos de la CEE"));
    l.FontBold(false);
    ImprimirTextoLinea(
        l, 63.33, 17.41,
        QStringLiteral("Abenduaren 29ko 1624/1992 E.D.ko 78tik 81era arteko art.ak (31ko B.O.E.)"));
    ImprimirTextoLinea(
        l, 68.11, 21.91,
        QStringLiteral("Art.º 78 al 81 del R.D. 1624/1992, de 29 de Diciembre (B.O.E. del 31)"));
    DibujarLinea(l, 175.24, 0, 175.24, 25.07);
    l.FontSize(30);
    ImprimirTextoLinea(l, 177.63, 7, QStringLiteral("794"));
    DibujarLinea(l, 175.24, 15.5, 196.63, 15.5);
}

void ImprimirIdentificacion(Lienzo& l, const HojaResumen& hoja) {
    l.FontSize(6);
    const PersonaImpresa& p = hoja.identificado;
    const QList<QString> partes = {p.domicilio, NumeroSimple(p.numero), p.letra,
                                   p.escal,     p.piso,                 p.mano};
    const QString direccion = partes.join(QChar(' '));

    DibujarCajaBlanca(l, 1.21, 26.22, 196.63, 69.96);
    l.PaintPicture(QStringLiteral("Identificacion"), 3, 36);
    l.PaintPicture(QStringLiteral("Ejercicio"), 132, 27.21);
    for (double x : {10.41, 130.52, 139.27}) DibujarLinea(l, x, 26.22, x, 69.96);
    for (double y : {33.03, 45.1, 53.82, 61.23}) DibujarLinea(l, 10.41, y, 130.52, y);
    DibujarLinea(l, 99.56, 53.82, 99.56, 61.23);
    DibujarLinea(l, 89.51, 61.23, 89.51, 69.96);

    const std::initializer_list<Rotulo> kEuskera = {
        {"NA / IFK", 12.36, 27.48, true},
        {"Deiturak eta izena eta sozietatearen izena", 12.36, 33.98, true},
        {"Helbidea: kalea edo plaza", 12.36, 46.08, true},
        {"Udalerria", 12.36, 54.8, true},
        {"Post. Kodea", 101.69, 54.8, true},
        {"Probintzia", 12.36, 62.54, true},
        {"Telefonoa", 92.42, 62.54, true},
        {"EKITALDIA", 141.48, 31, true},
        {"ALDIA", 141.48, 35, true},
        {"Aurkezpen mota:", 141.48, 45.88, true},
        {"Imprimakia", 149.06, 51.7, true},
        {"Euskarria", 149.06, 60.42, true},
        {"Banaka / Individual", 165.44, 60.43, true},
    };
    const std::initializer_list<Rotulo> kCastellano = {
        {"DNI / CIF", 12.36, 29.05},
        {"Apellidos, Nombre y Razón Social", 12.62, 36.1},
        {"Domicilio: Calle o Plaza", 12.36, 47.93},
        {"Municipio", 12.62, 56.65},
        {"Cód. Postal", 101.69, 56.65},
        {"Provincia", 12.36, 64.39},
        {"Teléfono", 92.42, 64.66},
        {"EJERCICIO", 141.48, 29},
        {"PERIODO", 141.48, 37},
        {"Presentación en:", 141.48, 47.72},
        {"Impreso", 149.06, 54.34},
        {"Soporte", 149.07, 62.56},
        {"Taldeka / Colectivo", 165.21, 64.4},
    };
    Rotulos(l, kEuskera);
    Rotulos(l, kCastellano);

    DibujarLinea(l, 162.2752, 58.08, 162.2752, 66.69);
    DibujarLinea(l, 162.2752, 58.08, 168.04, 58.08);
    DibujarCajaBlanca(l, 177.63, 26.89, 193.5, 32.45);
    DibujarCajaBlanca(l, 177.63, 32.89, 193.5, 38.45);

    if (hoja.ejercicio >= 2010) {
        ImprimirTextoLinea(l, 141.48, 41, QStringLiteral("BIMENSUAL"));
        ImprimirTextoLinea(l, 141.48, 43, QStringLiteral("BIMENSUAL ") + Puntos(38));
        DibujarCajaBlanca(l, 177.63, 39, 193.5, 44.45);
        l.FontSize(10);
        ImprimirTextoCentradoLinea(l, 185.6, 41.54, hoja.bimensual);
        l.FontSize(6);
    }

    DibujarCajaBlanca(l, 186.1, 57, 193.42, 65.91);
    DibujarCajaBlanca(l, 186.1, 50.13, 193.51, 54.89);
    DibujarLinea(l, 186.08, 61.49, 193.49, 61.49);
    DibujarLinea(l, 162.2752, 66.69, 168.04, 66.69);

    l.FontSize(8);
    l.FontName(kTimes);
    ImprimirTextoLinea(l, 154.61, 30.62, Puntos(31));
    ImprimirTextoLinea(l, 151.43, 36.6, Puntos(36));
    ImprimirTextoLinea(l, 157.81, 53.56, Puntos(39));
    ImprimirTextoLinea(l, 180.53, 59.66, Puntos(5));
    ImprimirTextoLinea(l, 180.52, 63.33, Puntos(5));
    DibujarLinea(l, 185.83, 26.89, 185.83, 32.57);
    DibujarLinea(l, 185.83, 32.89, 185.83, 38.45);

    // Each value stays inside its cell: up to the rule that closes it.
    l.Fuente({kArial, 8, true, false});
    ImprimirTextoLineaHasta(l, 24, 29.22, 130.52, p.nif);
    ImprimirTextoLineaHasta(l, 12.36, 40.71, 130.52, p.nombre);
    ImprimirTextoLineaHasta(l, 12.36, 50.21, 130.52, (p.siglas + "    " + direccion).toUpper());
    ImprimirTextoLineaHasta(l, 22, 57.71, 99.56, p.municipio.toUpper());
    ImprimirTextoLineaHasta(l, 113, 57.51, 130.52, Formato(p.cpost, "00000"));
    ImprimirTextoLineaHasta(l, 22, 65.71, 89.51, p.provincia);
    ImprimirTextoLineaHasta(l, 106, 65.71, 130.52, TextoCB(p.telefono));

    const QString ano = QString::number(hoja.ejercicio);
    ImprimirTextoCentradoLinea(l, 181.6, 30.54, ano.mid(2, 1));
    ImprimirTextoCentradoLinea(l, 189.92, 30.54, ano.mid(3, 1));
    const QString codigo = CodigoPeriodo(hoja.periodo, hoja.periodicidad);
    ImprimirTextoCentradoLinea(l, 181.6, 36.54, codigo.left(1));
    ImprimirTextoCentradoLinea(l, 189.92, 36.54, codigo.right(1));
    ImprimirTextoCentradoLinea(l, 189.9, hoja.indCol != 0 ? 63.62 : 58.86, QStringLiteral("X"));
    l.FontBold(false);
}

}  // namespace quelvo
