#include "controls/controles.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>

#include "controls/filtros.h"
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

void AnchoParaCaracteres(QLineEdit* caja, int caracteres) {
    const QFontMetrics metrica = caja->fontMetrics();
    int ancho = 0;
    // The key codes are the code page's, which matches Latin-1 where it
    // allows a character.
    for (int16_t codigo = 0; codigo < 256; ++codigo)
        if (TeclaPermitida(codigo))
            ancho = std::max(ancho, metrica.horizontalAdvance(QChar(FiltrarTecla(codigo))));
    // What QLineEdit keeps on either side of its text, as its own size hint
    // counts it.
    constexpr int kMargenLinea = 2;
    const QMargins margenes = caja->textMargins() + caja->contentsMargins();
    const QSize contenido(caracteres * ancho + 2 * kMargenLinea + margenes.left() + margenes.right(),
                          metrica.height() + margenes.top() + margenes.bottom());
    QStyleOptionFrame opcion;
    opcion.initFrom(caja);
    opcion.rect = caja->rect();
    opcion.lineWidth =
        caja->hasFrame() ? caja->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcion, caja) : 0;
    opcion.midLineWidth = 0;
    opcion.state |= QStyle::State_Sunken;
    if (caja->isReadOnly()) opcion.state |= QStyle::State_ReadOnly;
    opcion.features = QStyleOptionFrame::None;
    caja->setMinimumWidth(caja->style()->sizeFromContents(QStyle::CT_LineEdit, &opcion, contenido, caja).width());
}

EtiquetaFinal::EtiquetaFinal(QWidget* padre) : QLabel(padre) {}

QRect EtiquetaFinal::areaTexto() const {
    return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
}

QString EtiquetaFinal::TextoVisible() const {
    return fontMetrics().elidedText(text(), Qt::ElideLeft, areaTexto().width());
}

QSize EtiquetaFinal::minimumSizeHint() const {
    // Room for the ellipsis and a few letters: the rest is the layout's.
    const QSize propio = QLabel::minimumSizeHint();
    const int ancho = fontMetrics().horizontalAdvance(QStringLiteral("\u2026xxxx"));
    return {std::min(propio.width(), ancho + 2 * margin() + 2 * frameWidth()), propio.height()};
}

bool EtiquetaFinal::event(QEvent* evento) {
    if (evento->type() == QEvent::ToolTip && !text().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(evento)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(evento);
}

void EtiquetaFinal::paintEvent(QPaintEvent* evento) {
    const QString visible = TextoVisible();
    if (visible == text()) {
        QLabel::paintEvent(evento);
        return;
    }
    QPainter pintor(this);
    drawFrame(&pintor);
    style()->drawItemText(&pintor, areaTexto(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), visible, foregroundRole());
}

bool FocoSaleDentro(const QEvent* evento) {
    if (evento->type() != QEvent::FocusOut) return false;
    const auto razon = static_cast<const QFocusEvent*>(evento)->reason();
    return razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason;
}

}  // namespace quelvo
