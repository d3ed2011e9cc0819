#include "printing/etiqueta_soporte.h"

#include "printing/departamento.h"
#include "printing/formato.h"
#include "printing/imprimir_general.h"

namespace quelvo {

namespace {

// The right edges of the inner box and of the card.
constexpr double kBordeCaja = 134;
constexpr double kBordeTarjeta = 136;

// The same trio of captions and values on the card and on its lower strip.
void Datos(Lienzo& l, const EtiquetaSoporte& e, double y) {
    l.FontSize(6);
    l.FontItalic(true);
    ImprimirTexto(l, 68, y, QStringLiteral("Ekitaldia"));
    ImprimirTexto(l, 87, y, QStringLiteral("Aldia"));
    ImprimirTexto(l, 110, y, QStringLiteral("NA/IFK"));
    l.FontItalic(false);
    ImprimirTexto(l, 68, y + 3, QStringLiteral("Ejercicio"));
    ImprimirTexto(l, 87, y + 3, QStringLiteral("Periodo"));
    ImprimirTexto(l, 110, y + 3, QStringLiteral("DNI/CIF"));
    // Each value stops short of the captions after it, the NIF short of the
    // inner box's edge (the lower strip gives it the same room).
    l.FontBold(true);
    ImprimirTextoHasta(l, 79, y + 1.5, 87, QString::number(e.ejercicio));
    ImprimirTextoHasta(l, 95, y + 1.5, 110, e.periodo);
    ImprimirTextoHasta(l, 120, y + 1.5, kBordeCaja, e.persona.nif);
}

}  // namespace

QString DireccionEtiqueta(const PersonaImpresa& p) {
    QString linea = p.siglas + " " + p.domicilio + ", " + TextoCB(p.numero).trimmed();
    for (const QString* parte : {&p.letra, &p.escal, &p.piso, &p.mano}) linea += " " + parte->trimmed();
    return linea;
}

void ImprimirEtiquetas(Lienzo& l, const EtiquetaSoporte& e) {
    const PersonaImpresa& p = e.persona;
    const QString lugar = Formato(p.cpost, "00000") + "  " + p.municipio;
    l.TrabajoCompleto([&] {
        DibujarCajaBlanca(l, 64, 16, 136, 87);
        l.FontSize(7);
        ImprimirTextoCentrado(l, 64, 17, 72,
                              QStringLiteral("Arbekoko Foru Aldundia / Diputación Foral de Arbeko"));
        l.FontItalic(false);
        DibujarCajaBlanca(l, 68, 21.5, 133, 30);
        const LineasDepartamento departamento = ObtenerDepartamento();
        ImprimirTextoCentrado(l, 68, 22.5, 65, departamento.euskera);
        ImprimirTextoCentrado(l, 68, 26, 65, departamento.castellano);
        l.FontSize(8);
        ImprimirTextoCentrado(l, 64, 31, 72, QStringLiteral("MODELO 794 EREDUA"));
        l.FontSize(7);
        l.FontBold(true);
        if (e.indCol == 1)
            ImprimirTextoCentrado(l, 64, 35, 72,
                                  QStringLiteral("Taldeko aurkezpena / Presentación colectiva"));
        else if (e.indCol == 0)
            ImprimirTextoCentrado(l, 64, 35, 72,
                                  QStringLiteral("Bakarko aurkezpena / Presentación individual"));
        l.FontSize(6);
        l.FontBold(false);
        DibujarCajaBlanca(l, 66, 39, 134, 58);
        Datos(l, e, 40);
        ImprimirTextoCentradoAjustado(l, 68, 47, 65, p.nombre);
        ImprimirTextoCentradoAjustado(l, 68, 51, 65, DireccionEtiqueta(p));
        ImprimirTextoCentradoAjustado(l, 68, 54, 65, lugar);

        l.FontBold(false);
        const bool colectiva = e.indCol != 0;
        if (colectiva) {
            ImprimirTexto(l, 66, 60, QStringLiteral("Aitortzaile Kop. / NºDeclarantes:"));
            ImprimirTexto(l, 102, 60, QStringLiteral("Erreg.Kop. / NºRegs.:"));
            ImprimirTexto(l, 127, 60, QStringLiteral("Mon.:"));
        } else {
            ImprimirTexto(l, 66, 60, QStringLiteral("Erreg.Kop. / NºRegs.:"));
            ImprimirTexto(l, 95, 60, QStringLiteral("Mon.:"));
        }
        l.FontBold(true);
        if (colectiva) {
            ImprimirTextoHasta(l, 98, 60, 102, QString::number(e.numeroDeclarantes));
            ImprimirTextoHasta(l, 123, 60, 127, QString::number(e.numeroRegistros));
            ImprimirTextoHasta(l, 133, 60, kBordeTarjeta, e.moneda);
        } else {
            ImprimirTextoHasta(l, 89, 60, 95, QString::number(e.numeroRegistros));
            ImprimirTextoHasta(l, 102, 60, kBordeTarjeta, e.moneda);
        }

        l.FontBold(false);
        ImprimirTexto(l, 66, 64, QStringLiteral("Harremanetarako pertsona / Persona de contacto"));
        ImprimirTexto(l, 116, 64, QStringLiteral("Tfnoa. / Tfno."));
        ImprimirTexto(l, 132, 64, QStringLiteral("D."));
        l.FontBold(true);
        ImprimirTextoHasta(l, 66, 68, 117, p.contacto.left(33));
        ImprimirTextoHasta(l, 117, 68, kBordeTarjeta, TextoCB(p.telefonoContacto));

        l.FontBold(false);
        DibujarLinea(l, 64, 71, 136, 71);
        DibujarLinea(l, 64, 74, 136, 74);
        l.FontSize(9);
        ImprimirTextoCentrado(l, 64, 75, 72, QStringLiteral("MODELO 794 EREDUA"));
        Datos(l, e, 81);
        l.FontBold(false);
    });
}

}  // namespace quelvo
