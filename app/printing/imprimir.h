#pragma once
// The printing runs: the summary form and the medium label of the print and
// record dialog, and the draft listing of the declarations window.

namespace quelvo {

// Prints the output the run object's Impreso names (0 medium labels, 1 draft,
// 2 declarant's copy, 3 Administration's copy) for the run object's
// declarants, exercise and period.
void ImprimirModelo();

// Prints the draft listing of the entries of the run object's declaration
// (CodDecla, Ejercicio, Moneda) for the current declarant.
void ImprimirBorradorDeclarados();

}  // namespace quelvo
