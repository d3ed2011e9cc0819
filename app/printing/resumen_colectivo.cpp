// The summary form's collective summary with the presenter's block, and the
// footer with the presentation date and the copy's caption.
#include <QString>

#include "printing/formato.h"
#include "printing/hoja_resumen.h"
#include "printing/imprimir_general.h"
#include "printing/rotulos.h"
#include "services/fechas.h"

namespace quelvo {

namespace {

// A cell of the presenter's block: the rule that opens it (none when x1 is
// 0), then its two captions.
struct Celda {
    double x1, y1, x2, y2;
    Rotulo euskera;
    Rotulo castellano;
};

}  // namespace

void ImprimirResumenColectivo(Lienzo& l, const HojaResumen& hoja) {
    DibujarCajaBlanca(l, 1.21, 104.31, 196.63, 160.65);
    l.PaintPicture(QStringLiteral("Colectiva"), 3, 116);
    l.PaintPicture(QStringLiteral("Presentador"), 11, 134);
    DibujarLinea(l, 10.4, 104.31, 10.4, 160.65);
    DibujarLinea(l, 10.4, 124.6, 196.51, 124.6);

    l.Fuente({kTimes, 5, false, false});
    Rotulos(l, {{"Euskarrian sartutako datuen laburpena", 22.94, 108.45, true},
                {"(Taldeka aurkezten dutenentzat soilik)", 22.94, 111.37, true},
                {"Resumen de datos incluidos en el soporte", 22.94, 116.4, false},
                {"(Sólo para presentadores colectivos)", 22.94, 119.05, false}});
    DibujarLinea(l, 60.94, 106.88, 70.94, 106.88);
    DibujarLinea(l, 60.94, 106.88, 60.94, 121.96);
    DibujarLinea(l, 60.94, 121.96, 70.94, 121.96);
    Rotulos(l, {{"Aitortzaile Kopurua guztia", 64.52, 110.05, true},
                {"Nº Total de declarantes", 64.52, 112.43, false},
                {"Zerrendaturiko pertsona eta entitate kopurua guztira", 64.52, 116.14, true},
                {"Nº Total de personas o entidades relacionadas", 64.52, 118.78, false}});

    const bool hasta2009 = hoja.ejercicio <= 2009;
    DibujarCajaBlanca(l, 126.28, 107.14, 179.2, 112.17);
    DibujarLinea(l, 133.43, 107.22, 133.43, 112.17);
    l.FontSize(7);
    ImprimirTextoLinea(l, 128.4, 109.25, hasta2009 ? QStringLiteral("06") : QStringLiteral("04"));
    DibujarCajaBlanca(l, 126.28, 115.14, 179.2, 120.17);
    DibujarLinea(l, 133.45, 115.14, 133.45, 120.17);
    ImprimirTextoLinea(l, 128.4, 117.25, hasta2009 ? QStringLiteral("07") : QStringLiteral("05"));

    if (hoja.persona == 1) {
        l.Fuente({kArial, 8, true, false});
        ImprimirTextoLinea(l, 145.55, 109.25, Formato(hoja.numeroDeclarantes, "#,#"));
        ImprimirTextoLinea(l, 145.55, 117.25, Formato(hoja.totalDeclarados, "#,#"));
        l.FontBold(false);
    }

    DibujarLinea(l, 17, 124.6, 17, 160.65);
    l.Fuente({kTimes, 5, false, true});
    static constexpr Celda kCeldas[] = {
        {0, 0, 0, 0, {"NA / IFK", 18.6, 125.55, true}, {"DNI / CIF", 18.6, 127.4, false}},
        {53.53, 124.6, 53.53, 136.61,
         {"Deiturak eta izena eta sozietaren izena", 54.59, 125.55, false},
         {"Apellidos, Nombre y Razón Social", 54.59, 127.4, false}},
        {168.18, 124.6, 168.18, 136.61, {"Anagrama", 169.95, 125.55, true},
         {"Anagrama", 169.95, 127.4, false}},
        {17, 136.61, 196.74, 136.61, {"Helbidea: Kalea edo plaza", 18.6, 137.56, true},
         {"Domicilio: Calle o Plaza", 18.6, 139.41, false}},
        {79.99, 136.61, 79.99, 148.62, {"Zenbakia", 82, 137.56, true}, {"Número", 82, 139.41, false}},
        {97.18, 136.61, 97.18, 148.62, {"Letra", 98.77, 137.56, true}, {"Letra", 98.77, 139.41, false}},
        {111.74, 136.61, 111.74, 148.62, {"Eskailera", 113.32, 137.56, true},
         {"Escalera", 113.32, 139.41, false}},
        {128.14, 136.61, 128.14, 148.62, {"Oina", 129.9, 137.56, true}, {"Piso", 129.9, 139.41, false}},
        {145.61, 136.61, 145.61, 148.62, {"Aldea", 146.93, 137.56, true}, {"Mano", 146.93, 139.41, false}},
        {163.33, 136.61, 163.33, 148.62, {"Telefonoa", 165.18, 137.56, true},
         {"Teléfono", 165.18, 139.41, false}},
        {17, 148.62, 196.74, 148.62, {"Udalerria", 18.6, 149.57, true}, {"Municipio", 18.6, 151.42, false}},
        {77.34, 148.62, 77.34, 160.65, {"Post. Kodea", 78.92, 149.57, true},
         {"Cod. Postal", 78.92, 151.42, false}},
        {95.86, 148.62, 95.86, 160.65, {"Gakoa", 97.44, 149.57, true}, {"Clave", 97.44, 151.42, false}},
        {111.74, 148.62, 111.74, 160.65, {"Probintzia", 113.32, 149.57, false},
         {"Povincia", 113.32, 151.42, false}},
        {179.21, 148.62, 179.21, 160.65, {"Gakoa", 181.25, 149.57, true}, {"Clave", 181.25, 151.42, false}},
    };
    for (const Celda& c : kCeldas) {
        if (c.x1 != 0) DibujarLinea(l, c.x1, c.y1, c.x2, c.y2);
        Rotulos(l, {c.euskera, c.castellano});
    }

    // The presenter's data only on a declarant's page of a collective run.
    if (hoja.indCol != 1 || hoja.persona != 0) return;
    const PersonaImpresa& p = hoja.presentador;
    l.Fuente({kArial, 8, true, false});
    // Each value up to the rule that closes its cell (the frame for the last
    // cell of a row).
    constexpr double kMarco = 196.63;
    const struct {
        QString texto;
        double x, y, hasta;
    } valores[] = {
        {p.nif, 18.6, 132.38, 53.53},
        {p.nombre, 54.59, 132.38, 168.18},
        {p.domicilio, 18.6, 145.35, 79.99},
        {QString::number(p.numero), 82, 145.35, 97.18},
        {p.letra, 98.77, 145.35, 111.74},
        {p.escal, 113.32, 145.35, 128.14},
        {p.piso, 129.9, 145.35, 145.61},
        {p.mano, 146.93, 145.35, 163.33},
        {QString::number(p.telefono), 165.18, 145.35, kMarco},
        {p.municipio, 18.6, 156.52, 77.34},
        {Formato(p.cpost, "00000"), 78.92, 156.52, 95.86},
        {p.provincia, 113.32, 156.52, 179.21},
        {QString::number(p.codProvin), 181.25, 156.52, kMarco},
    };
    for (const auto& v : valores) ImprimirTextoLineaHasta(l, v.x, v.y, v.hasta, v.texto);
    l.FontBold(false);
}

QString LineaFechaPresentacion(const QString& fecha) {
    const int32_t n = FechaANumero(fecha);
    if (n <= 0) return QStringLiteral("____/__/__ /// __/__/____");
    const int ano = n / 10000, mes = n / 100 % 100, dia = n % 100;
    const auto dos = [](int v) { return QString::number(v).rightJustified(2, '0'); };
    const QString anoTexto = QString::number(ano).rightJustified(4, '0');
    return anoTexto + "/" + dos(mes) + "/" + dos(dia) + SufijoDia(static_cast<int16_t>(dia)) +
           " /// " + dos(dia) + "/" + dos(mes) + "/" + anoTexto;
}

QString RotuloEjemplar(int32_t impreso) {
    switch (impreso) {
        case 1: return QStringLiteral("ZIRRIBORROA / BORRADOR");
        case 2: return QStringLiteral("AITORTZAILEAREN ALEA / EJEMPLAR PARA EL INTERESADO");
        case 3: return QStringLiteral("ADMINISTRAZIOARENTZAKO ALEA / EJEMPLAR PARA LA ADMINISTRACION");
        default: return {};
    }
}

void ImprimirPie(Lienzo& l, const HojaResumen& hoja) {
    DibujarCajaBlanca(l, 1.21, 179, 196.63, 260);
    l.Fuente({kTimes, 8, false, false});
    Rotulos(l, {{"Data", 55, 195, true}, {"Fecha", 55, 198, false}});
    ImprimirTextoLinea(l, 63, 198, QString(127, QChar('.')));
    Rotulos(l, {{"Sinadura / Firma", 88, 202, true}});
    l.Fuente({kArial, 8, true, false});
    ImprimirTextoLinea(l, 65, 195, LineaFechaPresentacion(hoja.fechaPresentacion));
    ImprimirTextoCentrado(l, 1.21, 265, 195.42, RotuloEjemplar(hoja.impreso));
    l.FontBold(false);
}

}  // namespace quelvo
