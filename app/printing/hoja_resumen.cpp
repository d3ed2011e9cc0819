#include "printing/hoja_resumen.h"

namespace quelvo {

int32_t ImprimirHoja(Lienzo& l, const HojaResumen& hoja) {
    l.EndDoc();  // whatever was pending goes as a job of its own
    int32_t contados = 0;
    l.TrabajoCompleto([&] {
        const FuenteLienzo antes = l.Fuente();
        ImprimirCabecera(l);
        ImprimirIdentificacion(l, hoja);
        contados = hoja.ejercicio > 2009 ? ImprimirTotalesDesde2010(l, hoja)
                                         : ImprimirTotalesHasta2009(l, hoja);
        ImprimirResumenColectivo(l, hoja);
        ImprimirPie(l, hoja);
        // Face and size as they were; bold and italic stay as the page left them.
        l.FontName(antes.nombre);
        l.FontSize(antes.puntos);
    });
    return contados;
}

}  // namespace quelvo
