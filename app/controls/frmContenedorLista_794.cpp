#include "controls/frmContenedorLista_794.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QKeyEvent>
#include <QPointer>
#include <QTreeWidget>

#include "controls/estilo.h"
#include "quelvort/strings.h"
#include "services/cgeneral.h"
#include "services/etiqueta.h"
#include "services/guarda.h"
#include "services/objetos.h"
#include "services/twips.h"

namespace quelvo {

namespace {

QPointer<frmContenedorLista_794>& instancia() {
    static QPointer<frmContenedorLista_794> cargada;
    return cargada;
}

QString codigo(const QTreeWidgetItem* elemento) {
    return elemento->data(0, kRolClave).toString().mid(1);
}

}  // namespace

PropietarioLista::~PropietarioLista() {
    if (frmContenedorLista_794* lista = instancia(); lista && lista->FormPadre() == this)
        lista->FormPadre(nullptr);
}

frmContenedorLista_794::frmContenedorLista_794(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("frmContenedorLista_794");
    lsvLista = new QTreeWidget(this);
    lsvLista->setObjectName("lsvLista");
    lsvLista->setRootIsDecorated(false);
    lsvLista->setHeaderHidden(true);
    // The column keeps its given width; the margin beside it is the scroll bar's.
    lsvLista->header()->setStretchLastSection(false);
    lsvLista->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvLista->installEventFilter(this);
    installEventFilter(this);

    connect(lsvLista, &QTreeWidget::itemClicked, this, [this] {
        Guardar(this, "frmContenedorLista_794T.lsvLista_Click", [this] { lsvLista_Click(); });
    });
    Form_Load();
}

void frmContenedorLista_794::Form_Load() { AplicarEstilo(this); }

void frmContenedorLista_794::InicializarLista(const QString& nombre) {
    lsvLista->clear();
    Tag(lsvLista, nombre);
    objGeneral().InicializarListas(lsvLista);
}

void frmContenedorLista_794::RedimensionarLista(const QString& encabezado, int16_t ancho,
                                                int16_t margen, int16_t alto,
                                                const QString& codigoActual) {
    codigoActual_ = codigoActual;
    lsvLista->setColumnCount(1);
    lsvLista->setHeaderLabels({encabezado});
    // The caller's width in twips, widened where a text of the list (a long
    // name, Basque, larger desktop fonts) would be cut.
    int textoMasAncho = 0;
    for (int i = 0; i < lsvLista->topLevelItemCount(); ++i)
        textoMasAncho = qMax(textoMasAncho, lsvLista->fontMetrics().horizontalAdvance(lsvLista->topLevelItem(i)->text(0)));
    const int columna = qMax(Px(ancho), textoMasAncho + 12);
    lsvLista->setColumnWidth(0, columna);
    // The margin holds the vertical scroll bar: never narrower than it.
    const int barra = lsvLista->verticalScrollBar()->sizeHint().width() + 2 * lsvLista->frameWidth();
    const int anchoTotal = columna + qMax(Px(margen), barra);
    lsvLista->setGeometry(0, 0, anchoTotal, Px(alto));
    setFixedSize(anchoTotal, Px(alto));
}

void frmContenedorLista_794::Colocar(const QWidget* campo) {
    // The field's window: the main window, for its child windows.
    const QRect dentro = campo->window()->geometry();
    const QPoint arriba = campo->mapToGlobal(QPoint(0, 0));
    int x = arriba.x();
    int y = arriba.y() + campo->height();
    if (x + width() > dentro.right() + 1) x = qMax(dentro.left(), dentro.right() + 1 - width());
    if (y + height() > dentro.bottom() + 1) {
        if (arriba.y() - height() >= dentro.top()) y = arriba.y() - height();
        else y = qMax(dentro.top(), dentro.bottom() + 1 - height());
    }
    move(x, y);
}

QString frmContenedorLista_794::ListValue(const QString& codigoBuscado) const {
    for (int i = 0; i < lsvLista->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* elemento = lsvLista->topLevelItem(i);
        if (codigo(elemento) == codigoBuscado)
            return QString::fromStdString(rt::UCase(elemento->text(0).toStdString()));
    }
    return {};
}

void frmContenedorLista_794::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Guardar(this, "frmContenedorLista_794T.Form_Activate", [this] { Form_Activate(); });
}

void frmContenedorLista_794::Form_Activate() {
    for (int i = 0; i < lsvLista->topLevelItemCount(); ++i)
        if (codigo(lsvLista->topLevelItem(i)) == codigoActual_) SeleccionarElemento(lsvLista, i + 1);
}

bool frmContenedorLista_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return QDialog::eventFilter(objeto, evento);
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    bool atendida = false;
    Guardar(this, "frmContenedorLista_794T.Form_KeyDown", [&] { atendida = Form_KeyDown(tecla); });
    return atendida;
}

bool frmContenedorLista_794::Form_KeyDown(int tecla) {
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Elegir();
        return true;
    case Qt::Key_Escape:
        DescargarContenedorLista();
        return true;
    default:
        return false;
    }
}

void frmContenedorLista_794::lsvLista_Click() { Elegir(); }

void frmContenedorLista_794::Elegir() {
    if (!FormPadre_) return;
    // The owner's failure leaves the list open for another choice or Esc.
    try {
        FormPadre_->SelValorLista(lsvLista);
    } catch (...) {
    }
}

frmContenedorLista_794& ContenedorLista() {
    auto& lista = instancia();
    if (!lista) lista = new frmContenedorLista_794;
    return *lista;
}

void DescargarContenedorLista() {
    auto& lista = instancia();
    if (!lista) return;
    frmContenedorLista_794* descargada = lista;
    lista = nullptr;
    // Often called from inside its own event: ends a modal run now, frees
    // the window once the event is over.
    descargada->done(QDialog::Rejected);
    descargada->deleteLater();
}

bool ContenedorListaCargado() { return !instancia().isNull(); }

}  // namespace quelvo
