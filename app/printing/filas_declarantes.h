#pragma once
// The rows of the two-list declarant choosers (the run's selector and the
// export window): the hidden code, the declarant's picture, the NIF and the
// name, and the choice of one row.
#include <QString>
#include <cstdint>

class QTreeWidget;
class QTreeWidgetItem;

namespace quelvo {

inline constexpr int kColCodigo = 0;
inline constexpr int kColIcono = 1;
inline constexpr int kColNif = 2;
inline constexpr int kColNombre = 3;

// The code as rows show it: at least four digits.
QString CodigoFila(int32_t codigo);
QTreeWidgetItem* NuevaFila(QTreeWidget* lista, const QString& codigo, const QString& nif,
                           const QString& nombre);
// The selected row; nullptr when none is.
QTreeWidgetItem* Seleccionada(QTreeWidget* lista);
// Makes the row (none: nothing) the one selected.
void Seleccionar(QTreeWidget* lista, QTreeWidgetItem* fila);
// Sorts the list by a column and keeps the selected row in view.
void OrdenarPor(QTreeWidget* lista, int columna);

}  // namespace quelvo
