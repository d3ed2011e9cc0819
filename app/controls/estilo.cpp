#include "controls/estilo.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTreeWidget>
#include <array>
#include <cstring>

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

// The colours of the roles a line edit's panel may be drawn with, in the
// option's colour group.
constexpr QPalette::ColorRole kPapelesPanel[] = {
    QPalette::Base,  QPalette::Window, QPalette::Highlight, QPalette::Shadow, QPalette::Light,
    QPalette::Midlight, QPalette::Mid, QPalette::Dark,      QPalette::Text,   QPalette::WindowText,
    QPalette::Button};

class EstiloPrograma : public QProxyStyle {
public:
    explicit EstiloPrograma(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                       const QWidget* control) const override {
        if (elemento == PE_PanelLineEdit && PanelGuardable(opcion, pintor, control))
            PanelGuardado(*qstyleoption_cast<const QStyleOptionFrame*>(opcion), pintor, control);
        else
            QProxyStyle::drawPrimitive(elemento, opcion, pintor, control);
    }

private:
    // Only what the panel's drawing depends on, drawn where a copy lands on
    // the same pixels: a plain line edit (one inside a spin box or a combo box
    // is drawn with them), a solid writing area, and a painter that neither
    // scales, fades nor blends otherwise.
    static bool PanelGuardable(const QStyleOption* opcion, const QPainter* pintor, const QWidget* control) {
        const auto* marco = qstyleoption_cast<const QStyleOptionFrame*>(opcion);
        if (!marco || !pintor || !qobject_cast<const QLineEdit*>(control)) return false;
        const QWidget* padre = control->parentWidget();
        if (qobject_cast<const QAbstractSpinBox*>(padre) || qobject_cast<const QComboBox*>(padre)) return false;
        // A box too small for its corners to stand apart blends them
        // otherwise; a huge one is not worth keeping.
        const QSize tamano = opcion->rect.size();
        return tamano.width() >= 16 && tamano.height() >= 12 && tamano.width() <= 4096 && tamano.height() <= 512 &&
               opcion->palette.base().style() == Qt::SolidPattern &&
               pintor->transform().type() <= QTransform::TxTranslate && pintor->opacity() == 1.0 &&
               pintor->compositionMode() == QPainter::CompositionMode_SourceOver;
    }

    void PanelGuardado(const QStyleOptionFrame& opcion, QPainter* pintor, const QWidget* control) const {
        const qreal escala = pintor->device() ? pintor->device()->devicePixelRatio() : 1.0;
        // What the drawing depends on, each number as two characters of the key.
        std::array<quint32, 9 + std::size(kPapelesPanel)> partes = {
            static_cast<quint32>(opcion.rect.width()),
            static_cast<quint32>(opcion.rect.height()),
            static_cast<quint32>(opcion.state),
            static_cast<quint32>(opcion.lineWidth),
            static_cast<quint32>(opcion.midLineWidth),
            static_cast<quint32>(opcion.features),
            static_cast<quint32>(opcion.direction),
            static_cast<quint32>(opcion.palette.currentColorGroup()),
            static_cast<quint32>(qRound(escala * 1000))};
        size_t k = 9;
        for (QPalette::ColorRole papel : kPapelesPanel) partes[k++] = opcion.palette.color(papel).rgba();
        std::array<char16_t, 2 * std::tuple_size_v<decltype(partes)>> letras;
        std::memcpy(letras.data(), partes.data(), sizeof partes);
        QString clave = QStringLiteral("quelvo-panel:");
        clave.append(QStringView(letras.data(), static_cast<qsizetype>(letras.size())));
        QPixmap panel;
        if (!QPixmapCache::find(clave, &panel)) {
            panel = QPixmap(opcion.rect.size() * escala);
            panel.setDevicePixelRatio(escala);
            panel.fill(Qt::transparent);
            QPainter dibujo(&panel);
            QStyleOptionFrame enOrigen = opcion;
            enOrigen.rect.moveTo(0, 0);
            QProxyStyle::drawPrimitive(PE_PanelLineEdit, &enOrigen, &dibujo, control);
            dibujo.end();
            QPixmapCache::insert(clave, panel);
        }
        pintor->drawPixmap(opcion.rect.topLeft(), panel);
    }
};

}  // namespace

void InstalarEstiloPrograma() {
    QStyle* actual = QApplication::style();
    if (!actual || dynamic_cast<EstiloPrograma*>(actual)) return;
    // The panels are copied only where the style is known to draw them from
    // the option alone; another style may animate them.
    if (actual->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) return;
    QApplication::setStyle(new EstiloPrograma(QStyleFactory::create(actual->name())));
}

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
