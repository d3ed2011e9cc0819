#include "printing/filas_declarantes.h"

#include <QTreeWidget>

#include "controls/imagenes.h"

namespace quelvo {

QString CodigoFila(int32_t codigo) { return QString("%1").arg(codigo, 4, 10, QChar('0')); }

QTreeWidgetItem* NuevaFila(QTreeWidget* lista, const QString& codigo, const QString& nif,
                           const QString& nombre) {
    auto fila = new QTreeWidgetItem(lista);
    fila->setText(kColCodigo, codigo);
    fila->setIcon(kColIcono, ImagenMDI16(kImagenDeclarante));
    fila->setText(kColNif, nif);
    fila->setText(kColNombre, nombre);
    return fila;
}

QTreeWidgetItem* Seleccionada(QTreeWidget* lista) {
    const auto elegidas = lista->selectedItems();
    return elegidas.isEmpty() ? nullptr : elegidas.constFirst();
}

void Seleccionar(QTreeWidget* lista, QTreeWidgetItem* fila) {
    lista->clearSelection();
    if (!fila) return;
    lista->setCurrentItem(fila);
    fila->setSelected(true);
}

void OrdenarPor(QTreeWidget* lista, int columna) {
    lista->sortItems(columna, Qt::AscendingOrder);
    if (QTreeWidgetItem* fila = Seleccionada(lista)) lista->scrollToItem(fila);
}

}  // namespace quelvo
