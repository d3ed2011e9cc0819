#pragma once
// The printing run of the print and record dialog.

namespace quelvo {

// Prints the output the run object's Impreso names (0 medium labels, 1 draft,
// 2 declarant's copy, 3 Administration's copy) for the run object's
// declarants, exercise and period.
void ImprimirModelo();

}  // namespace quelvo
