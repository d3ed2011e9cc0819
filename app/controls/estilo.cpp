#include "controls/estilo.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTreeWidget>
#include <array>

#include "quelvort/error.h"

namespace quelvo {

namespace {

enum class Propiedad { BackColor, BorderColor, ForeColor, Appearance };

struct Ajuste {
    Propiedad propiedad;
    QRgb color;
};

struct Regla {
    const char* prefijo;
    int cuantos;
    std::array<Ajuste, 2> ajustes;
};

constexpr QRgb kGrisClaro = qRgb(224, 224, 224);
constexpr QRgb kGris = qRgb(128, 128, 128);
constexpr QRgb kVerdeAzulado = qRgb(0, 128, 128);
constexpr QRgb kVerdeOscuro = qRgb(0, 64, 0);

// Tried in this order; the first prefix that matches wins.
constexpr Regla kEstilo[] = {
    {"CMD", 1, {{{Propiedad::BackColor, kGrisClaro}}}},
    {"SHPTIT", 2, {{{Propiedad::BackColor, kGris}, {Propiedad::BorderColor, kGris}}}},
    {"SHPMARCO1", 1, {{{Propiedad::BorderColor, kGris}}}},
    {"SHPMARCO2", 1, {{{Propiedad::BorderColor, kVerdeAzulado}}}},
    {"LBLTIT", 1, {{{Propiedad::ForeColor, kVerdeOscuro}}}},
    {"LBL", 2, {{{Propiedad::BackColor, kGrisClaro}, {Propiedad::ForeColor, kVerdeOscuro}}}},
    {"CNU", 1, {{{Propiedad::Appearance, 0}}}},
};

[[noreturn]] void SinPropiedad() { throw rt::Error::Runtime(rt::err::ObjectDoesNotSupport); }

void Colorear(QWidget* control, QPalette::ColorRole papel, QRgb color) {
    QPalette paleta = control->palette();
    paleta.setColor(papel, QColor(color));
    control->setPalette(paleta);
}

// Applies a rule's setting to the control; its colours go into `paleta`, the
// control's palette to be, and `colores` tells that one went in.
void Fijar(QWidget* control, const Ajuste& ajuste, QPalette& paleta, bool& colores) {
    const bool boton = qobject_cast<QAbstractButton*>(control) != nullptr;
    auto colorear = [&](QPalette::ColorRole papel) {
        paleta.setColor(papel, QColor(ajuste.color));
        colores = true;
    };
    switch (ajuste.propiedad) {
        case Propiedad::BackColor:
            if (boton) {
                colorear(QPalette::Button);
            } else {
                control->setAutoFillBackground(true);
                colorear(QPalette::Window);
            }
            break;
        case Propiedad::ForeColor:
            colorear(boton ? QPalette::ButtonText : QPalette::WindowText);
            break;
        case Propiedad::BorderColor:
            // A plain frame draws its line in the text colour.
            if (!qobject_cast<QFrame*>(control)) SinPropiedad();
            colorear(QPalette::WindowText);
            break;
        case Propiedad::Appearance:
            if (auto marco = qobject_cast<QFrame*>(control))
                marco->setFrameShadow(QFrame::Plain);
            else if (auto linea = qobject_cast<QLineEdit*>(control))
                linea->setFrame(false);
            else if (auto giro = qobject_cast<QAbstractSpinBox*>(control))
                giro->setFrame(false);
            else if (auto combo = qobject_cast<QComboBox*>(control))
                combo->setFrame(false);
            else
                SinPropiedad();
            break;
    }
}

void Seleccionar(QTreeWidget* lista, int n, bool desplazarOculta) {
    const int cuenta = lista->topLevelItemCount();
    if (cuenta == 0) return;
    if (n < 1 || n > cuenta) throw rt::Error::Runtime(rt::err::SubscriptOutOfRange);
    QTreeWidgetItem* elemento = lista->topLevelItem(n - 1);
    const auto modo = lista->selectionMode();
    const bool varios =
        modo == QAbstractItemView::MultiSelection || modo == QAbstractItemView::ExtendedSelection;
    lista->setCurrentItem(
        elemento, 0,
        (varios ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect) |
            QItemSelectionModel::Rows);
    if (desplazarOculta || lista->isVisible()) lista->scrollToItem(elemento);
}

}  // namespace

void AplicarEstilo(QWidget* ventana) {
    for (QWidget* control : ventana->findChildren<QWidget*>()) {
        const QString nombre = control->objectName();
        for (const Regla& regla : kEstilo) {
            if (!nombre.startsWith(QLatin1String(regla.prefijo), Qt::CaseInsensitive)) continue;
            // The rule's colours reach the control in one change of its
            // palette, also those set before a setting it cannot take.
            QPalette paleta = control->palette();
            bool colores = false;
            auto pintar = [&] {
                if (colores) control->setPalette(paleta);
            };
            try {
                for (int i = 0; i < regla.cuantos; ++i)
                    Fijar(control, regla.ajustes[static_cast<size_t>(i)], paleta, colores);
            } catch (...) {
                pintar();
                throw;
            }
            pintar();
            break;
        }
    }
}

void ColorFondo(QWidget* control, unsigned rgb) {
    const QColor color = QColor::fromRgb(rgb);
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractItemView*>(control)) {
        Colorear(control, QPalette::Base, color.rgb());
        return;
    }
    control->setAutoFillBackground(true);
    Colorear(control, QPalette::Window, color.rgb());
}

void SeleccionarPrimero(QTreeWidget* lista) { Seleccionar(lista, 1, true); }

void SeleccionarUltimo(QTreeWidget* lista) {
    Seleccionar(lista, lista->topLevelItemCount(), false);
}

void SeleccionarElemento(QTreeWidget* lista, int n) { Seleccionar(lista, n, false); }

}  // namespace quelvo
