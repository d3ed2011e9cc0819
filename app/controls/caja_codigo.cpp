#include "controls/caja_codigo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

#include "controls/controles.h"
#include "controls/frmContenedorLista_794.h"
#include "quelvort/strings.h"
#include "services/cgeneral.h"
#include "services/guarda.h"

namespace quelvo {

namespace {

constexpr char kPropiedadImagen[] = "Imagen";

bool esIntro(const QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<const QKeyEvent*>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

}  // namespace

CajaCodigo::CajaCodigo(QWidget* ventana, PropietarioLista* propietario, QLineEdit* caja,
                       QAbstractButton* boton, const QString& lista, MedidasLista medidas)
    : QObject(ventana),
      ventana_(ventana),
      propietario_(propietario),
      caja_(caja),
      boton_(boton),
      lista_(lista),
      medidas_(medidas) {
    // Enter here opens the list: the editor's Enter-as-Tab leaves these alone.
    caja_->setProperty("CajaCodigo", true);
    boton_->setProperty("CajaCodigo", true);
    caja_->installEventFilter(this);
    boton_->installEventFilter(this);
    MostrarImagen(kImagenLista);
    connect(boton_, &QAbstractButton::clicked, this,
            [this] { Guardado(boton_->objectName() + "_Click", [this] { AbrirLista(); }); });
}

void CajaCodigo::Guardado(const QString& evento, const std::function<void()>& manejador) {
    const QByteArray lugar = (ventana_->objectName() + "T." + evento).toUtf8();
    Guardar(ventana_, lugar.constData(), manejador);
}

void CajaCodigo::MostrarImagen(int imagen) {
    boton_->setProperty(kPropiedadImagen, imagen);
    // Loaded once: the style reads its pictures from files every time it is
    // asked, and each window asks for several.
    static const QIcon* const lista = new QIcon(QApplication::style()->standardIcon(QStyle::SP_ArrowDown));
    static const QIcon* const activa = new QIcon(QApplication::style()->standardIcon(QStyle::SP_ArrowRight));
    boton_->setIcon(imagen == kImagenListaActiva ? *activa : *lista);
}

int CajaCodigo::Imagen() const { return boton_->property(kPropiedadImagen).toInt(); }

void CajaCodigo::Salir() {
    if (salida_) salida_();
    MostrarImagen(kImagenLista);
}

void CajaCodigo::AbrirLista() {
    frmContenedorLista_794& lista = ContenedorLista();
    lista.InicializarLista(lista_);
    lista.RedimensionarLista(lista_, medidas_.ancho, medidas_.margen, medidas_.alto, caja_->text());
    lista.Colocar(caja_);
    lista.FormPadre(propietario_);
    QPointer<frmContenedorLista_794> abierta(&lista);
    abierta->exec();
    // A pick unloads it; Esc or a click elsewhere leaves it loaded, unseen.
    if (abierta) abierta->FormPadre(nullptr);
}

QString CajaCodigo::Nombre(const QString& codigo) const {
    frmContenedorLista_794& lista = ContenedorLista();
    lista.InicializarLista(lista_);
    return lista.ListValue(codigo);
}

QString CajaCodigo::ComprobarOReponer(const QString& anterior) const {
    frmContenedorLista_794& lista = ContenedorLista();
    lista.InicializarLista(lista_);
    lista.OldValue(anterior);
    const QString nombre = lista.ListValue(caja_->text());
    if (nombre.isEmpty()) caja_->setText(anterior);
    return nombre;
}

bool CajaCodigo::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == caja_) {
        if (evento->type() == QEvent::FocusIn) {
            MostrarImagen(kImagenListaActiva);
        } else if (FocoSaleDentro(evento)) {
            Guardado(caja_->objectName() + "_LostFocus", [this] { Salir(); });
        } else if (esIntro(evento)) {
            Guardado(caja_->objectName() + "_KeyPress", [this] {
                MostrarImagen(kImagenLista);
                QCoreApplication::processEvents();
                AbrirLista();
                if (caja_->isVisible()) caja_->setFocus();
            });
            return true;
        }
    } else if (objeto == boton_) {
        if (evento->type() == QEvent::FocusIn) {
            MostrarImagen(kImagenListaActiva);
        } else if (evento->type() == QEvent::FocusOut) {
            MostrarImagen(kImagenLista);
        } else if (esIntro(evento)) {
            boton_->click();
            return true;
        }
    }
    return QObject::eventFilter(objeto, evento);
}

namespace {

const QTreeWidgetItem* elegido(const QTreeWidget* lsv) {
    const auto seleccionados = lsv->selectedItems();
    return seleccionados.isEmpty() ? lsv->currentItem() : seleccionados.first();
}

}  // namespace

QString CodigoElegido(const QTreeWidget* lsv) {
    const QTreeWidgetItem* elegido = quelvo::elegido(lsv);
    if (!elegido) return {};
    return elegido->data(0, kRolClave).toString().mid(1);
}

QString TextoElegido(const QTreeWidget* lsv) {
    const QTreeWidgetItem* elegido = quelvo::elegido(lsv);
    if (!elegido) return {};
    return QString::fromStdString(rt::UCase(elegido->text(0).toStdString()));
}

void MoverFoco(QWidget* control) {
    QTimer::singleShot(0, control, [control] {
        if (control->isVisible()) control->setFocus(Qt::OtherFocusReason);
    });
}

}  // namespace quelvo
