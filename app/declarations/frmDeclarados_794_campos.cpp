// The entry window's detail boxes and their pickers, its headings, captions,
// list geometry and sorting, and its closing.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

#include "controls/caja_codigo.h"
#include "controls/caja_importe.h"
#include "controls/controles.h"
#include "controls/estilo.h"
#include "controls/flujo_editor.h"
#include "controls/imagenes.h"
#include "controls/ventana_hija.h"
#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "declarations/frmDeclarados_794.h"
#include "parties/cdeclarante.h"
#include "quelvort/convert.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/claves.h"
#include "services/etiqueta.h"
#include "services/guarda.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "services/valores.h"

namespace quelvo {

namespace {

// Longest VAT number of each member state; other states keep the length.
struct LongitudNif {
    int largo;
    std::initializer_list<const char*> paises;
};
const LongitudNif kLongitudesNif[] = {
    {12, {"GB", "NL", "SE", "LT"}},
    {11, {"IT", "LV", "FR", "HR"}},
    {10, {"CZ", "PL", "SK", "BE", "BG", "RO"}},
    {9, {"AT", "DE", "EL", "PT", "EE", "CY", "IE"}},
    {8, {"DK", "FI", "LU", "HU", "MT", "SI"}},
};

bool esUna(const QString& clave, std::initializer_list<const char*> lista) {
    for (const char* c : lista)
        if (clave == QLatin1String(c)) return true;
    return false;
}

rt::Variant variante(const QString& texto) { return rt::Variant(texto.toStdString()); }

}  // namespace

bool frmDeclarados_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        const std::pair<QObject*, int> etiquetas[] = {
            {lblPaisLista, 2}, {lblNifLista, 3}, {lblNombreLista, 4}, {lblClaveLista, 5}};
        for (const auto& [etiqueta, columna] : etiquetas) {
            if (objeto != etiqueta) continue;
            const QByteArray lugar = ("frmDeclarados_794T." + etiqueta->objectName() + "_Click").toUtf8();
            Guardar(this, lugar.constData(), [this, columna = columna] { OrdenarPor(columna); });
            return true;
        }
    }
    if (FocoSaleDentro(evento)) {
        if (objeto == txtNif)
            Guardar(this, "frmDeclarados_794T.txtNif_LostFocus", [this] { txtNif_LostFocus(); });
        else if (objeto == txtNombre)
            Guardar(this, "frmDeclarados_794T.txtNombre_LostFocus", [this] { txtNombre_LostFocus(); });
        else if (objeto == txtEjer)
            Guardar(this, "frmDeclarados_794T.txtEjer_LostFocus", [this] { txtEjer_LostFocus(); });
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmDeclarados_794::ConfirmarFoco() {
    QWidget* foco = focusWidget();
    if (foco == txtNif) txtNif_LostFocus();
    else if (foco == txtNombre) txtNombre_LostFocus();
    else if (foco == txtEjer) txtEjer_LostFocus();
    else if (foco == cnuImporte) TomarImporte();
    else flujo_->ConfirmarCampoActivo();
}

void frmDeclarados_794::txtNif_LostFocus() {
    cDeclarado& d = objDeclarado();
    if (txtNif->text() == d.nifo()) return;
    d.Modificado(true);
    d.nifo(txtNif->text());
    HabilitarBotones();
}

void frmDeclarados_794::txtNombre_LostFocus() {
    cDeclarado& d = objDeclarado();
    if (txtNombre->text() == d.razon()) return;
    d.Modificado(true);
    d.razon(txtNombre->text());
    HabilitarBotones();
}

void frmDeclarados_794::txtEjer_LostFocus() {
    cDeclarado& d = objDeclarado();
    const QString guardado = d.Ejercicio() == 0 ? QString() : QString::number(d.Ejercicio());
    if (txtEjer->text() == guardado) return;
    d.Modificado(true);
    d.Ejercicio(rt::CInt(rt::Variant(BC(variante(txtEjer->text())))));
    HabilitarBotones();
}

void frmDeclarados_794::cnuImporte_LostFocus(Qt::FocusReason motivo) {
    // A changed amount is checked at once, unless Save or Cancel is being
    // pressed (Save's checks say it; a message would swallow the click) or a
    // mode change takes the entry away.
    const int32_t modo = objDeclaracion().ModoDeclaracion();
    const QWidget* destino = QApplication::focusWidget();
    const bool pulsando = (motivo == Qt::MouseFocusReason || motivo == Qt::ShortcutFocusReason) &&
                          (destino == cmdGuardar || destino == cmdCancelar);
    if (TomarImporte() && (modo == kModoAlta || modo == kModoEdicion) && !pulsando)
        objDeclarado().ValidarImporte();
}

bool frmDeclarados_794::TomarImporte() {
    // The entry already holds what the box shows unless the user typed.
    if (!cnuImporte->Tecleado()) return false;
    cDeclarado& d = objDeclarado();
    if (!cnuImporte->EsImporte()) {
        if (cnuImporte->Valor() == d.importeIlegible()) return false;
        d.Modificado(true);
        d.importeIlegible(cnuImporte->Valor());
        HabilitarBotones();
        return true;
    }
    rt::Variant valor = variante(cnuImporte->Valor());
    // Digits beyond a double's range make an amount larger than any the file
    // holds, which the checks refuse.
    const bool cabe = rt::IsNumeric(valor) || cnuImporte->Valor().isEmpty();
    const double importe = cabe ? BC(valor) : cnuImporte->Valor().startsWith(u'-') ? -HUGE_VAL : HUGE_VAL;
    const bool cambia = importe != d.importe() || !d.importeIlegible().isEmpty();
    if (cambia) {
        d.Modificado(true);
        d.importe(importe);
        HabilitarBotones();
    }
    if (cabe) cnuImporte->Valor(QString::fromStdString(rt::CStr(CB(valor))));
    return cambia;
}

void frmDeclarados_794::txtPais_LostFocus() {
    cDeclarado& d = objDeclarado();
    if (txtPais->text() == d.paiso()) return;
    const QString nombre = pais_->ComprobarOReponer(d.paiso());
    if (!nombre.isEmpty()) {
        d.Modificado(true);
        txtNombrePais->setText(nombre);
    }
    d.paiso(txtPais->text());
    MoverFoco(txtNif);
    HabilitarBotones();
}

void frmDeclarados_794::txtSigno_LostFocus() {
    cDeclarado& d = objDeclarado();
    const QString signo = txtSigno->text();
    if (signo == d.Signo()) return;
    if (signo.isEmpty() || !signo_->Nombre(signo).isEmpty()) {
        d.Modificado(true);
        d.Signo(signo);
    } else {
        txtSigno->setText(d.Signo());
    }
    MoverFoco(txtEjer);
    HabilitarBotones();
}

void frmDeclarados_794::txtClave_LostFocus() {
    cDeclarado& d = objDeclarado();
    const QString tecleada = txtClave->text();
    if (tecleada == d.claveopo()) return;
    // Looked up as the key list holds it: the bare key before 2010, the key
    // with the entry's type from 2010.
    const bool antigua = objListaDeclaraciones().Ejercicio() < 2010;
    // The entry's type stays only when the entry already has a key: a new
    // entry's typed key is a normal one, whatever entry was seen before.
    const QString tipo = d.claveopo().isEmpty() || d.tipoopo().isEmpty() ? "N" : d.tipoopo();
    const QString codigo = antigua ? tecleada : tecleada + tipo;
    const QString nombre = tecleada.isEmpty() ? QString() : clave_->Nombre(codigo);
    if (!nombre.isEmpty()) {
        d.Modificado(true);
        d.claveopo(tecleada);
        if (!antigua) d.tipoopo(tipo);
        txtClaveComp->setText(antigua ? tecleada : codigo);
        txtClaveDes->setText(nombre);
    } else {
        txtClave->setText(d.claveopo());
        txtClaveComp->setText(d.claveopo() + d.tipoopo());
    }
    MoverFoco(cnuImporte);
    HabilitarRectificacion();
    HabilitarBotones();
}

void frmDeclarados_794::SelValorLista(QTreeWidget* lsv) {
    cDeclarado& d = objDeclarado();
    const QString lista = Tag(lsv).toUpper();
    const QString codigo = CodigoElegido(lsv);
    const QString texto = TextoElegido(lsv);
    bool cambio = false;
    QWidget* foco = nullptr;
    if (lista == "PERIODO") {
        if (TipoPeriodo(codigo) != d.Periodicidad() || ValorPeriodo(codigo) != d.Periodoo()) {
            d.Periodoo(ValorPeriodo(codigo));
            d.Periodicidad(TipoPeriodo(codigo));
            txtPeriodo->setText(texto);
            cambio = true;
        }
    } else if (lista == "CLAVEDES") {
        if (codigo != d.claveopo() + d.tipoopo()) {
            d.claveopo(codigo.left(1));
            d.tipoopo(codigo.mid(1, 1));
            txtClave->setText(codigo.left(1));
            txtClaveComp->setText(codigo);
            txtClaveDes->setText(texto);
            HabilitarRectificacion();
            cambio = true;
        }
        foco = cnuImporte;
    } else if (lista == "SIGNO") {
        const QString signo = lsv->currentItem() ? lsv->currentItem()->text(0) : QString();
        if (signo != d.Signo()) {
            d.Signo(signo);
            txtSigno->setText(signo);
            cambio = true;
        }
        foco = txtEjer;
    } else if (lista == "PAIS") {
        if (codigo != d.paiso()) {
            d.paiso(codigo);
            txtPais->setText(codigo);
            txtNombrePais->setText(texto);
            txtNif->clear();
            cambio = true;
        }
        foco = txtNif;
    } else {
        return;
    }
    if (cambio) {
        d.Modificado(true);
        HabilitarBotones();
    }
    DescargarContenedorLista();
    if (foco) MoverFoco(foco);
}

void frmDeclarados_794::AjustarLongitudNif() {
    const QString pais = objDeclarado().paiso();
    for (const auto& fila : kLongitudesNif)
        // A longer number already in the box stays whole, for the VAT-number
        // check to judge; a box limit would cut it.
        if (esUna(pais, fila.paises))
            txtNif->setMaxLength(std::max(fila.largo, static_cast<int>(txtNif->text().size())));
}

void frmDeclarados_794::AbrirRectificacion(bool abrir) {
    for (QWidget* control : std::initializer_list<QWidget*>{txtEjer, txtPeriodo, picPeriodo, txtSigno, picSigno})
        control->setEnabled(abrir);
    for (QWidget* caja : std::initializer_list<QWidget*>{txtEjer, txtPeriodo, txtSigno})
        ColorFondo(caja, abrir ? kFondoEditable : kFondoNoEditable);
}

void frmDeclarados_794::LimpiarRectificacion() {
    txtEjer->clear();
    txtPeriodo->clear();
    txtSigno->clear();
    cDeclarado& d = objDeclarado();
    d.Ejercicio(0);
    d.Periodoo(0);
    d.Signo("");
}

void frmDeclarados_794::HabilitarRectificacion() {
    const cListaDeclaraciones& lista = objListaDeclaraciones();
    const int32_t ejercicio = lista.Ejercicio();
    cDeclarado& d = objDeclarado();
    const QString clave = d.claveopo();
    const bool antigua = ejercicio < 2010;
    if (antigua && esUna(clave, {"0", "1", "2"})) {
        AbrirRectificacion(false);
        LimpiarRectificacion();
    } else if (antigua && esUna(clave, {"3", "4"})) {
        AbrirRectificacion(true);
    }
    chkTriangular->setEnabled(true);
    if ((antigua && esUna(clave, {"2", "4"})) || (ejercicio == 1993 && lista.Periodo() == 3)) {
        chkTriangular->setChecked(false);
        chkTriangular->setEnabled(false);
        return;
    }
    if (antigua) return;
    if (d.tipoopo() == "R") {
        chkTriangular->setChecked(false);
        chkTriangular->setEnabled(false);
        AbrirRectificacion(true);
    } else {
        LimpiarRectificacion();
        d.Periodicidad(0);
        AbrirRectificacion(false);
    }
}

void frmDeclarados_794::MostrarCabecera() {
    const cListaDeclaraciones& lista = objListaDeclaraciones();
    txtNifDeclarante->setText(objDeclarante().NIF());
    txtNombreDeclarante->setText(objDeclarante().Nombre());
    txtEjercicio->setText(QString::number(lista.Ejercicio()));
    txtPer->setText(DescripcionPeriodo(lista.Periodo(), lista.Periodicidad()));
    txtMoneda->setText(NombreMoneda(lista.MonedaOrigen()));
    txtDeclarados->setText(QString::number(lsvDeclarados->topLevelItemCount()));
    if (lista.Bimensual() == "X") txtBimensual->setText(QString::fromUtf8("Sí"));
    const int imagen = lista.MonedaOrigen().toUpper() == "E" ? kImagenEuros : kImagenPesetas;
    imgDeclaracion->setPixmap(ImagenMDI16(imagen).pixmap(16, 16));
    imgDeclaracion->setProperty("Imagen", imagen);
}

void frmDeclarados_794::MedirLista() {
    anchoLista_ = lsvDeclarados->minimumWidth();
    anchoListaBarra_ = anchoLista_ + lsvDeclarados->verticalScrollBar()->sizeHint().width();
}

void frmDeclarados_794::AjustarAnchoLista() {
    const rt::Variant& b = objDeclarado().BufferDeclarados();
    // Ten entries or more show a scroll bar beside the columns.
    if (b.isArray() && rt::UBound(b, 2) >= 10)
        lsvDeclarados->setMinimumWidth(anchoListaBarra_);
    else
        InicializarLista();
}

void frmDeclarados_794::OrdenarPor(int columna) {
    claveOrden_ = columna;
    Ordenar();
    if (QTreeWidgetItem* actual = lsvDeclarados->currentItem()) lsvDeclarados->scrollToItem(actual);
}

void frmDeclarados_794::CargarTextos() {
    setWindowTitle(Cat(292));
    lblTitDeclarado->setText(Cat(292));
    cmdCancelar->setText(Cat(111));
    cmdCerrar->setText(Cat(112));
    cmdCrearDeclarado->setText(Cat(118));
    cmdEditar->setText(Cat(136));
    cmdEliminar->setText(Cat(165));
    cmdGuardar->setText(Cat(193));
    lblDeclarados->setText(Cat(229));
    lblEjercicio->setText(Cat(139));
    lblEjer->setText(Cat(139));
    lblPeriodo->setText(Cat(102));
    lblPer->setText(Cat(102));
    lblImporte->setText(Cat(206));
    lblImporteLista->setText(" " + Cat(206));
    lblPais->setText(Cat(250));
    lblPaisLista->setText(" " + Cat(250));
    lblMoneda->setText(Cat(223));
    lblNif->setText(Cat(225));
    lblNifDeclarante->setText(Cat(225));
    lblNifLista->setText(" " + Cat(225));
    lblNombre->setText(Cat(238));
    lblNombreDeclarante->setText(Cat(238));
    lblNombreLista->setText(" " + Cat(235));
    lblTitDatosDeclaracion->setText(Cat(121));
    lblTitDeclarante->setText(Cat(122));
    lblTitDeclarados->setText(Cat(128));
    lblClave->setText(Cat(294));
    lblClaveDes->setText(Cat(293));
    lblClaveLista->setText(" " + Cat(293));
    lblTriangular->setText(Cat(108));
    lblLista->setText(Cat(219));
    lblBimensual->setText(Cat(354));
}

void frmDeclarados_794::Cerrar(int32_t modo) {
    auto espera = interaccion().Esperar();
    if (modo != 1) return;
    Descargar();
    MostrarDeclaraciones();
}

void frmDeclarados_794::Descargar() {
    descargada_ = true;
    DescargarHija(this);
}

void frmDeclarados_794::closeEvent(QCloseEvent* evento) {
    // Unloaded by Close or by the program leaving: nothing more to give back.
    const bool porCerrar = descargada_ || Descargando(this);
    descargada_ = true;
    Guardar(this, "frmDeclarados_794T.Form_Unload", [porCerrar] {
        objDeclaracion().ModoDeclaracion(kModoDescarga);
        objDeclarado().InicializarDeclarado();
        // Closed by its frame: the menus the declarations window had
        // switched off come back.
        if (!porCerrar) objGeneral().HabilitarMenu();
    });
    QWidget::closeEvent(evento);
}

}  // namespace quelvo
