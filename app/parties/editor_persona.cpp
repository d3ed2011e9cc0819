#include "parties/editor_persona.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/caja_codigo.h"
#include "controls/controles.h"
#include "controls/flujo_editor.h"
#include "parties/datos_persona.h"
#include "parties/formato_ceros.h"
#include "parties/volcado.h"
#include "quelvort/convert.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/etiqueta.h"
#include "services/objetos.h"
#include "services/valores.h"

namespace quelvo {

namespace {

constexpr QRgb kGrisClaro = qRgb(224, 224, 224);

// A box wide enough for `caracteres` capitals (a text box of no fixed
// length gets 20), so longer texts and larger fonts still show.
void ancho(QLineEdit* caja, int caracteres) {
    const int letra = caja->fontMetrics().horizontalAdvance(QLatin1Char('W'));
    caja->setMinimumWidth(letra * caracteres + 12);
}

// Label above its box, as one column of a row.
void columna(QGridLayout* fila, int col, QLabel* etiqueta, QWidget* control, int estirar = 0) {
    if (etiqueta) fila->addWidget(etiqueta, 0, col);
    fila->addWidget(control, 1, col);
    fila->setColumnStretch(col, estirar);
}

}  // namespace

EditorPersona::EditorPersona(const QString& nombre, const char* tagNombreContacto,
                             const char* tagTelContacto, QWidget* parent)
    : QWidget(parent) {
    setObjectName(nombre);
    auto etiqueta = [this](const char* n) { return NuevaEtiqueta(this, n); };
    auto caja = [this](const char* n, const char* tag, int longitud) {
        auto c = new QLineEdit(this);
        c->setObjectName(n);
        if (tag) Tag(c, tag);
        if (longitud > 0) c->setMaxLength(longitud);
        ancho(c, longitud > 0 ? longitud : 20);
        return c;
    };
    auto boton = [this](const char* n) {
        auto b = new QToolButton(this);
        b->setObjectName(n);
        return b;
    };

    lblTitDeclarante = NuevoTitulo(this, "lblTitDeclarante");
    lblNIF = etiqueta("lblNIF");
    lblNombre = etiqueta("lblNombre");
    lblSiglas = etiqueta("lblSiglas");
    lblViaPub = etiqueta("lblViaPub");
    lblNumero = etiqueta("lblNumero");
    lblLetra = etiqueta("lblLetra");
    lblEscalera = etiqueta("lblEscalera");
    lblPiso = etiqueta("lblPiso");
    lblMano = etiqueta("lblMano");
    lblProvin = etiqueta("lblProvin");
    lblNombreProvincia = etiqueta("lblNombreProvincia");
    lblCPost = etiqueta("lblCPost");
    lblMunici = etiqueta("lblMunici");
    lblTelNum = etiqueta("lblTelNum");
    lblTitDeclarante1 = etiqueta("lblTitDeclarante1");
    lblNombrePdc = etiqueta("lblNombrePdc");
    lblTelefonoPdc = etiqueta("lblTelefonoPdc");

    // In tab order.
    txtNIF = caja("txtNIF", "NIF", 9);
    txtNombre = caja("txtNombre", "NOMBRE", 40);
    txtSiglas = caja("txtSiglas", nullptr, 2);
    picSiglas = boton("picSiglas");
    txtNomVia = caja("txtNomVia", nullptr, 0);
    txtViaPub = caja("txtViaPub", "DOMICILIO", 20);
    txtNumero = caja("txtNumero", "NUMERO", 5);
    txtLetra = caja("txtLetra", "LETRA", 2);
    txtEscalera = caja("txtEscalera", "ESCALE", 2);
    txtPiso = caja("txtPiso", "PISO", 2);
    txtMano = caja("txtMano", "MANO", 3);
    txtProvin = caja("txtProvin", nullptr, 2);
    picProvin = boton("picProvin");
    txtNombreProv = caja("txtNombreProv", nullptr, 16);
    txtCPost = caja("txtCPost", "CODPOS", 5);
    txtMunici = caja("txtMunici", "MUNICI", 12);
    txtTelNum = caja("txtTelNum", "TELEFO", 9);
    txtNomPdc = caja("txtNomPdc", tagNombreContacto, 40);
    txtTelPdc = caja("txtTelPdc", tagTelContacto, 9);
    cmdAceptar = NuevoBoton(this, "cmdAceptar");
    cmdCancelar = NuevoBoton(this, "cmdCancelar");

    // The names are the window's to write: grey and not editable.
    for (QLineEdit* nombreCodigo : {txtNomVia, txtNombreProv}) {
        nombreCodigo->setReadOnly(true);
        MostrarPrincipio(nombreCodigo);
        QPalette paleta = nombreCodigo->palette();
        paleta.setColor(QPalette::Base, QColor(kGrisClaro));
        nombreCodigo->setPalette(paleta);
    }

    auto principal = new QVBoxLayout(this);
    titulo_ = new QHBoxLayout;
    titulo_->addWidget(lblTitDeclarante, 1);
    principal->addLayout(titulo_);
    auto bloque = [principal, this](QWidget* marco) {
        auto capa = new QVBoxLayout(marco);
        marco->setParent(this);
        principal->addWidget(marco);
        return capa;
    };
    auto datos = new QFrame;
    datos->setObjectName("shpMarco1");
    datos->setFrameShape(QFrame::Box);
    QVBoxLayout* filas = bloque(datos);
    auto fila = [filas] {
        auto g = new QGridLayout;
        g->setHorizontalSpacing(6);
        filas->addLayout(g);
        return g;
    };
    auto conBoton = [](QLineEdit* codigo, QToolButton* b) {
        auto par = new QWidget;
        auto capa = new QHBoxLayout(par);
        capa->setContentsMargins(0, 0, 0, 0);
        capa->setSpacing(2);
        capa->addWidget(codigo);
        capa->addWidget(b);
        return par;
    };

    QGridLayout* f1 = fila();
    columna(f1, 0, lblNIF, txtNIF);
    columna(f1, 1, lblNombre, txtNombre, 1);
    QGridLayout* f2 = fila();
    columna(f2, 0, lblSiglas, conBoton(txtSiglas, picSiglas));
    columna(f2, 1, nullptr, txtNomVia, 1);
    columna(f2, 2, lblViaPub, txtViaPub, 2);
    columna(f2, 3, lblNumero, txtNumero);
    columna(f2, 4, lblLetra, txtLetra);
    columna(f2, 5, lblEscalera, txtEscalera);
    columna(f2, 6, lblPiso, txtPiso);
    columna(f2, 7, lblMano, txtMano);
    QGridLayout* f3 = fila();
    columna(f3, 0, lblProvin, conBoton(txtProvin, picProvin));
    columna(f3, 1, lblNombreProvincia, txtNombreProv, 1);
    columna(f3, 2, lblCPost, txtCPost);
    QGridLayout* f4 = fila();
    columna(f4, 0, lblMunici, txtMunici, 1);
    columna(f4, 1, lblTelNum, txtTelNum);

    principal->addWidget(lblTitDeclarante1);
    auto contacto = new QFrame;
    contacto->setObjectName("shpMarco2");
    contacto->setFrameShape(QFrame::Box);
    auto f5 = new QGridLayout;
    bloque(contacto)->addLayout(f5);
    columna(f5, 0, lblNombrePdc, txtNomPdc, 1);
    columna(f5, 1, lblTelefonoPdc, txtTelPdc);

    botones_ = new QHBoxLayout;
    botones_->addStretch(1);
    botones_->addWidget(cmdAceptar);
    botones_->addWidget(cmdCancelar);
    principal->addLayout(botones_);
    principal->addStretch(1);
}

QPushButton* EditorPersona::AnadirBoton(const char* nombre) {
    QPushButton* b = NuevoBoton(this, nombre);
    botones_->addWidget(b);
    return b;
}

void EditorPersona::AnadirAlTitulo(QWidget* control) { titulo_->addWidget(control); }

void EditorPersona::Preparar(bool introComoTab, int32_t tipoVolcado,
                             std::initializer_list<QLineEdit*> seleccionar) {
    QWidget* anterior = nullptr;
    for (QWidget* control : std::initializer_list<QWidget*>{
             txtNIF, txtNombre, txtSiglas, picSiglas, txtNomVia, txtViaPub, txtNumero, txtLetra,
             txtEscalera, txtPiso, txtMano, txtProvin, picProvin, txtNombreProv, txtCPost, txtMunici,
             txtTelNum, txtNomPdc, txtTelPdc, cmdAceptar, cmdCancelar}) {
        if (anterior) setTabOrder(anterior, control);
        anterior = control;
    }
    for (QPushButton* propio : findChildren<QPushButton*>())
        if (propio != cmdAceptar && propio != cmdCancelar) setTabOrder(anterior, propio), anterior = propio;

    siglas_ = new CajaCodigo(this, this, txtSiglas, picSiglas, "Siglas", {2000, 250, 1050});
    siglas_->AlSalir([this] { txtSiglas_LostFocus(); });
    provincia_ = new CajaCodigo(this, this, txtProvin, picProvin, "Prov", {1400, 250, 1500});
    provincia_->AlSalir([this] { txtProvin_LostFocus(); });

    flujo_ = new FlujoEditor(this, introComoTab);
    flujo_->SoloDigitos({txtNumero, txtCPost, txtTelNum, txtTelPdc, txtProvin});
    flujo_->SeleccionarAlEntrar(seleccionar);
    flujo_->AnadirCajas({siglas_, provincia_});
    flujo_->AlSoltarTecla([this, tipoVolcado] { VolcarFormulario(tipoVolcado, this); });
}

void EditorPersona::CaptionsComunes() {
    const std::pair<QWidget*, int32_t> textos[] = {
        {lblTitDeclarante1, 251}, {lblNIF, 225},       {lblNombre, 238},   {lblSiglas, 288},
        {lblViaPub, 237},         {lblNumero, 241},    {lblLetra, 218},    {lblEscalera, 176},
        {lblPiso, 253},           {lblMano, 221},      {lblNombreProvincia, 257},
        {lblCPost, 114},          {lblMunici, 224},    {lblTelNum, 277},   {lblNombrePdc, 238},
        {lblTelefonoPdc, 277},    {cmdAceptar, 105},   {cmdCancelar, 111}};
    for (auto [control, id] : textos) control->setProperty("text", Cat(id));
}

void EditorPersona::PresentarDatos(const QString& nombreContacto, int32_t telContacto) {
    const cDatosPersona& p = Persona();
    auto numero = [](int32_t v) { return v == 0 ? QString() : QString::number(v); };
    MostrarSinCortar(txtNIF, p.NIF());
    MostrarSinCortar(txtNombre, p.Nombre());
    MostrarSinCortar(txtSiglas, p.Siglas());
    MostrarSinCortar(txtNomVia, objGeneral().ObtenerVia(p.Siglas()));
    MostrarSinCortar(txtViaPub, p.domicilio());
    MostrarSinCortar(txtNumero, numero(p.numero()));
    MostrarSinCortar(txtLetra, p.letra());
    MostrarSinCortar(txtEscalera, p.Escal());
    MostrarSinCortar(txtPiso, p.piso());
    MostrarSinCortar(txtMano, p.mano());
    if (p.CodProvin() > 0) {
        MostrarSinCortar(txtProvin,
                         QString::fromStdString(FormatoCeros(rt::Variant(p.CodProvin()), 2)));
        MostrarSinCortar(txtNombreProv, objGeneral().ObtenerProvincia(txtProvin->text()));
    }
    MostrarSinCortar(txtCPost, p.CPost() == 0
                                   ? QString()
                                   : QString::fromStdString(FormatoCeros(rt::Variant(p.CPost()), 5)));
    MostrarSinCortar(txtMunici, p.municipio());
    MostrarSinCortar(txtTelNum, numero(p.Telefono()));
    MostrarSinCortar(txtNomPdc, nombreContacto);
    MostrarSinCortar(txtTelPdc, numero(telContacto));
}

void EditorPersona::SelValorLista(QTreeWidget* lsv) {
    cDatosPersona& p = Persona();
    const QString lista = Tag(lsv).toUpper();
    const QString codigo = CodigoElegido(lsv);
    if (lista == "PROV") {
        if (BC(rt::Variant(codigo.toStdString())) != p.CodProvin()) {
            p.CodProvin(rt::CInt(rt::Variant(codigo.toStdString())));
            MostrarSinCortar(txtNombreProv, TextoElegido(lsv));
            MostrarSinCortar(txtProvin,
                             QString::fromStdString(FormatoCeros(rt::Variant(codigo.toStdString()), 2)));
            p.Modificado(true);
        }
        DescargarContenedorLista();
        MoverFoco(txtCPost);
    } else if (lista == "SIGLAS") {
        if (codigo != p.Siglas()) {
            p.Siglas(codigo);
            MostrarSinCortar(txtSiglas, codigo);
            MostrarSinCortar(txtNomVia, TextoElegido(lsv));
            p.Modificado(true);
        }
        DescargarContenedorLista();
        MoverFoco(txtViaPub);
    }
}

void EditorPersona::txtProvin_LostFocus() {
    cDatosPersona& p = Persona();
    if (txtProvin->text().size() == 1) MostrarSinCortar(txtProvin, "0" + txtProvin->text());
    if (BC(rt::Variant(txtProvin->text().toStdString())) == p.CodProvin()) return;
    p.Modificado(true);
    // An empty box stood for no province: that is what comes back.
    const QString anterior =
        p.CodProvin() == 0 ? QString() : QString::fromStdString(FormatoCeros(rt::Variant(p.CodProvin()), 2));
    const QString nombre = provincia_->ComprobarOReponer(anterior);
    if (!nombre.isEmpty()) MostrarSinCortar(txtNombreProv, nombre);
    p.CodProvin(static_cast<int16_t>(BC(rt::Variant(txtProvin->text().toStdString()))));
    MoverFoco(txtCPost);
}

void EditorPersona::txtSiglas_LostFocus() {
    cDatosPersona& p = Persona();
    if (txtSiglas->text() == p.Siglas()) return;
    const QString nombre = siglas_->ComprobarOReponer(p.Siglas());
    if (!nombre.isEmpty()) {
        // The box has no tag: nothing else tells the object it changed.
        p.Modificado(true);
        MostrarSinCortar(txtNomVia, nombre);
    }
    p.Siglas(txtSiglas->text());
    MoverFoco(txtViaPub);
}

}  // namespace quelvo
