#pragma once
// The operation keys' texts as the user reads them, for the current
// declaration.
#include <QString>

namespace quelvo {

// The key's text in the current language for the current declaration, with
// the rectification prefix for type "R"; "" for a key outside the
// declaration's set.
QString DescripcionClave(const QString& clave, const QString& tipo);

}  // namespace quelvo
