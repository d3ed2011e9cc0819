#pragma once
// Periods shown as fixed texts per language and read back from them.
//
// A period value is the last month of the period (12 annual, 3/6/9/12 the
// quarters, 1-12 the months); the periodicity tells the annual period (3)
// from the fourth quarter (2) and the months (1).
#include <QString>
#include <cstdint>

namespace quelvo {

inline constexpr int16_t kPeriodicidadAnual = 3;
inline constexpr int16_t kPeriodicidadTrimestral = 2;
inline constexpr int16_t kPeriodicidadMensual = 1;

// The period's text in the current language; "" for a pair that is no period.
QString DescripcionPeriodo(int16_t valor, int16_t periodicidad);

// Value and periodicity of a period text of either language, matched
// exactly; 0 for any other text.
int16_t ValorPeriodo(const QString& texto);
int16_t TipoPeriodo(const QString& texto);

// The printed forms' two-character code: "0A", "1T".."4T", "01".."12"; ""
// for a quarter value or a periodicity outside the table.
QString CodigoPeriodo(uint8_t valor, uint8_t periodicidad);

}  // namespace quelvo
