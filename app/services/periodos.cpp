#include "services/periodos.h"

#include "services/globales.h"

namespace quelvo {

namespace {

struct Periodo {
    int16_t valor;
    int16_t periodicidad;
    const char* castellano;
    const char* euskera;
};

// Both the texts the user sees and the keys the choice is read back by.
constexpr Periodo kPeriodos[] = {
    {12, kPeriodicidadAnual, "0 - ANUAL", "0 - URTEKOA"},
    {3, kPeriodicidadTrimestral, "1ºTRIMESTRE", "1.HIRUHILEKOA"},
    {6, kPeriodicidadTrimestral, "2ºTRIMESTRE", "2.HIRUHILEKOA"},
    {9, kPeriodicidadTrimestral, "3ºTRIMESTRE", "3.HIRUHILEKOA"},
    {12, kPeriodicidadTrimestral, "4ºTRIMESTRE", "4.HIRUHILEKOA"},
    {1, kPeriodicidadMensual, "ENERO", "URTARRILA"},
    {2, kPeriodicidadMensual, "FEBRERO", "OTSAILA"},
    {3, kPeriodicidadMensual, "MARZO", "MARTXOA"},
    {4, kPeriodicidadMensual, "ABRIL", "APIRILA"},
    {5, kPeriodicidadMensual, "MAYO", "MAIATZA"},
    {6, kPeriodicidadMensual, "JUNIO", "EKAINA"},
    {7, kPeriodicidadMensual, "JULIO", "UZTAILA"},
    {8, kPeriodicidadMensual, "AGOSTO", "ABUZTUA"},
    {9, kPeriodicidadMensual, "SEPTIEMBRE", "IRAILA"},
    {10, kPeriodicidadMensual, "OCTUBRE", "URRIA"},
    {11, kPeriodicidadMensual, "NOVIEMBRE", "AZAROA"},
    {12, kPeriodicidadMensual, "DICIEMBRE", "ABENDUA"},
};

const Periodo* buscar(const QString& texto) {
    for (const auto& p : kPeriodos)
        if (texto == QString::fromUtf8(p.castellano) || texto == QString::fromUtf8(p.euskera))
            return &p;
    return nullptr;
}

}  // namespace

QString DescripcionPeriodo(int16_t valor, int16_t periodicidad) {
    for (const auto& p : kPeriodos)
        if (p.valor == valor && p.periodicidad == periodicidad)
            return QString::fromUtf8(lngIdioma == 0 ? p.castellano : p.euskera);
    return {};
}

int16_t ValorPeriodo(const QString& texto) {
    const Periodo* p = buscar(texto);
    return p ? p->valor : 0;
}

int16_t TipoPeriodo(const QString& texto) {
    const Periodo* p = buscar(texto);
    return p ? p->periodicidad : 0;
}

QString CodigoPeriodo(uint8_t valor, uint8_t periodicidad) {
    switch (periodicidad) {
    case kPeriodicidadTrimestral:
        if (valor == 3 || valor == 6 || valor == 9 || valor == 12)
            return QString::number(valor / 3) + "T";
        return {};
    case kPeriodicidadMensual:
        return QString::number(valor).rightJustified(2, '0');
    case kPeriodicidadAnual:
        return "0A";
    default:
        return {};
    }
}

}  // namespace quelvo
