#pragma once
// Opening the help of the current language at a page.
#include <QString>

class QWidget;

namespace quelvo {

// The Spanish help ("Ayuda") when the language code is "C", else the Basque
// one ("Laguntza"), under the program folder's Ayuda folder. A page no
// browser opens is named, with its full path, in the program's message
// window, in the user's language.
void MostrarAyuda(const QString& strPagina, QWidget* frm);

// The file MostrarAyuda opens for a page in a language code.
QString RutaAyuda(const QString& idioma, const QString& strPagina);

}  // namespace quelvo
