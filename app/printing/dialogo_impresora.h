#pragma once
// Qt's print dialog as a run uses it.

class QPrintDialog;

namespace quelvo {

// Offers only what a run honours: whole documents on A4, so no page range
// and no paper settings; when printing to a file, which the program writes
// itself, one copy as drawn and nothing of a printer's. Its output file is
// chosen with the program's own chooser.
void PrepararDialogoImpresora(QPrintDialog& dialogo);

}  // namespace quelvo
