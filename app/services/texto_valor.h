#pragma once
// Messages built from catalog texts and a value, so that they read right in
// either language.
#include <QString>

namespace quelvo {

// `texto` with `valor` in it: in place of the text's dotted blank, where a
// text has one (the Basque word order often puts the value inside the
// sentence), else after one blank. `resto`, when given, follows after one
// blank. The texts' own blanks at their ends never double a blank.
QString ConValor(const QString& texto, const QString& valor, const QString& resto = {});

// A statement and the question that follows it, the question on a line of
// its own.
QString ConPregunta(const QString& texto, const QString& pregunta);

}  // namespace quelvo
