#pragma once
// Operation keys and currencies as the user sees them.
//
// Exercises up to 2009 use the keys "1" to "4"; from 2010 "E", "A", "T", "S"
// and "I", each with an operation type "N" (normal) or "R" (rectification);
// from July 2011 also "M" and "H". Their texts, which depend on the current
// declaration, are in declarations/descripcion_clave.h.
#include <QString>
#include <QStringList>
#include <cstdint>

namespace quelvo {

// The keys of a declaration of that exercise and period value, in list order.
QStringList ClavesDeclaracion(int32_t ejercicio, int32_t periodo);

// "Euros" for "E" in either case, "Pesetas" for any other code.
QString NombreMoneda(const QString& codigo);

// " * " from "E" to "P", " / " from "P" to "E", "" otherwise (capitals only).
QString OperadorConversion(const QString& de, const QString& a);

// Hundredths of the declaration's currency ("E" euros, any other code
// pesetas) as euros, rounded to cents.
double EurosDeCentesimas(double centesimas, const QString& moneda);

// The largest amount, in euros, that an amount field of the submission file
// holds: thirteen digits of hundredths.
inline constexpr double kImporteMaximoFichero = 99999999999.99;

}  // namespace quelvo
