#include "controls/controles.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "services/guarda.h"
#include "services/twips.h"

namespace quelvo {

QLabel* NuevaEtiqueta(QWidget* padre, const char* nombre) {
    auto etiqueta = new QLabel(padre);
    etiqueta->setObjectName(nombre);
    return etiqueta;
}

QLabel* NuevoTitulo(QWidget* padre, const char* nombre) {
    QLabel* titulo = NuevaEtiqueta(padre, nombre);
    QFont negrita = titulo->font();
    negrita.setBold(true);
    titulo->setFont(negrita);
    return titulo;
}

void MostrarSinCortar(QLineEdit* caja, const QString& texto) {
    if (texto.size() > caja->maxLength()) caja->setMaxLength(static_cast<int>(texto.size()));
    caja->setText(texto);
}

QPushButton* NuevoBoton(QWidget* padre, const char* nombre) {
    auto boton = new QPushButton(padre);
    boton->setObjectName(nombre);
    return boton;
}

void AlPulsar(QAbstractButton* boton, QWidget* ventana, const char* evento, std::function<void()> manejador) {
    QObject::connect(boton, &QAbstractButton::clicked, ventana,
                     [ventana, evento, manejador] { Guardar(ventana, evento, manejador); });
}

int ColumnasLista(QTreeWidget* lista, const QStringList& titulos, const std::vector<int>& anchos) {
    lista->clear();
    lista->setColumnCount(static_cast<int>(anchos.size()));
    lista->setHeaderLabels(titulos);
    lista->header()->setStretchLastSection(false);
    int total = 0;
    for (int c = 0; c < static_cast<int>(anchos.size()); ++c) {
        const int ancho = anchos[static_cast<size_t>(c)];
        lista->setColumnHidden(c, ancho == 0);
        if (ancho > 0) lista->setColumnWidth(c, Px(ancho));
        total += Px(ancho);
    }
    lista->setMinimumWidth(total + 2 * lista->frameWidth());
    return total;
}

void MostrarPrincipio(QLineEdit* caja) {
    QObject::connect(caja, &QLineEdit::textChanged, caja, [caja] {
        if (!caja->hasFocus()) caja->setCursorPosition(0);
    });
}

bool FocoSaleDentro(const QEvent* evento) {
    if (evento->type() != QEvent::FocusOut) return false;
    const auto razon = static_cast<const QFocusEvent*>(evento)->reason();
    return razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason;
}

}  // namespace quelvo
