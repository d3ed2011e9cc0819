#pragma once
// The pick lists of the code-list drop-down that cGeneral::InicializarListas
// fills: the reference lists and the exercises here, the others registered
// by the layer above that holds what they depend on.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "quelvort/variant.h"

class QTreeWidget;

namespace quelvo {

// The rows of a pick list, (field, row) with row 0 empty as the data server
// shapes its lists (code, text), or Null for none.
using ListaCodigos = std::function<rt::Variant(QTreeWidget* lsv)>;

// Fills the lists named `nombre` (in capitals, as InicializarListas reads a
// list's Tag).
void RegistrarListaCodigos(const std::string& nombre, ListaCodigos lista);

// A row of a pick list the program makes itself.
struct FilaLista {
    QString codigo;
    QString texto;
};
rt::Variant FilasLista(const std::vector<FilaLista>& lista);

// The list's letters at that point size.
void TamanoLetraLista(QTreeWidget* lsv, int puntos);

}  // namespace quelvo
