#pragma once
// The current declaration: the entry window's mode and the totals that
// printing and the telematic submission read.
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvo {

class cDeclaracion {
public:
    // The latest declaration of the user database as one row (0 exercise,
    // 1 period, 2 currency, 3 periodicity, 4 Empty), or Null when none
    // qualifies. blnSoloEuros False lets every declaration qualify.
    rt::Variant MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin);
};

}  // namespace quelvo
