#pragma once
// Numbers as the printed forms write them, with Spanish conventions (decimal
// comma, thousands point) whatever the machine's locale.
#include <QString>
#include <string_view>

#include "quelvort/variant.h"

namespace quelvo {

// The value under one of the printed patterns:
//   "#,#"                    whole, grouped by thousands, "" for 0;
//   "0.00"                   two decimals, not grouped;
//   "#,###,###,###,##0.00"   two decimals, grouped;
//   "0", "00", "00000", ...  whole, zero-filled on the left to that width.
// Halves round away from zero, as the original runtime's Format does. Any
// other pattern raises 5 (invalid procedure call).
QString Formato(double valor, std::string_view patron);

// A number as the runtime writes it plainly (decimal comma, no grouping, no
// trailing zeros): 1234.5 gives "1234,5".
QString NumeroSimple(double valor);

// The value's text through the shared blank-for-zero rule (CB): "" for 0.
QString TextoCB(const rt::Variant& valor);

}  // namespace quelvo
