#include "windows/FrmVersionCheck_794.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>

#include "platform/sistema.h"
#include "quelvort/cp1252.h"
#include "quelvort/textfile.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

constexpr int kAncho = 600;
constexpr int kAlto = 330;
constexpr int kEtiquetaAncho = 270;
constexpr int kCampoIzquierda = 16 + kEtiquetaAncho + 8;
constexpr int kCampoAncho = kAncho - kCampoIzquierda - 16;

// Markup characters, controls and whatever the code page cannot hold become
// character references, so the address can neither leave its attribute nor
// break the line.
QString escaparHtml(const QString& texto) {
    QString salida;
    for (char32_t c : texto.toUcs4()) {
        switch (c) {
            case '&': salida += "&amp;"; continue;
            case '<': salida += "&lt;"; continue;
            case '>': salida += "&gt;"; continue;
            case '"': salida += "&quot;"; continue;
            case '\'': salida += "&#39;"; continue;
        }
        const QString uno = QString::fromUcs4(&c, 1);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || !rt::CanEncodeCp1252(uno.toStdString()))
            salida += QStringLiteral("&#%1;").arg(static_cast<uint32_t>(c));
        else
            salida += uno;
    }
    return salida;
}

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, int x, int y, int ancho) {
    auto l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setGeometry(x, y, ancho, 22);
    return l;
}

QLineEdit* campo(QWidget* padre, const char* nombre, int y) {
    auto t = new QLineEdit(padre);
    t->setObjectName(nombre);
    t->setReadOnly(true);
    t->setGeometry(kCampoIzquierda, y, kCampoAncho, 24);
    return t;
}

[[noreturn]] void terminarYa() {
    // Nothing is pending at this point: the program simply stops.
    std::quick_exit(0);
}

}  // namespace

FrmVersionCheck_794::FrmVersionCheck_794(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmVersionCheck_794");
    setWindowTitle("Actualizar versión");
    setFixedSize(kAncho, kAlto);
    lblTitulo = etiqueta(this, "lblTitulo", "ACTUALIZAR VERSIÓN", 16, 10, kAncho - 32);
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    lblTitulo->setFont(negrita);
    etiqueta(this, "lblTitulo3", "Bertsioa / Versión", 16, 40, kAncho - 32);
    etiqueta(this, "LblAct", "Oraingoa / Actual", 16, 66, kEtiquetaAncho);
    LblActual = etiqueta(this, "LblActual", {}, kCampoIzquierda, 66, kCampoAncho);
    etiqueta(this, "LblDisp", "Erabilgarria / Disponible", 16, 92, kEtiquetaAncho);
    LblDisponible = etiqueta(this, "LblDisponible", {}, kCampoIzquierda, 92, kCampoAncho);
    etiqueta(this, "LblArchivo", "Fitxategia / Fichero", 16, 122, kEtiquetaAncho);
    TxtPath = campo(this, "TxtPath", 120);
    etiqueta(this, "LblUrl", "Deskarga helbidea / Dirección de descarga", 16, 152, kEtiquetaAncho);
    TxtUrl = campo(this, "TxtUrl", 150);
    etiqueta(this, "LblInfo", "Argibideak / Información", 16, 182, kEtiquetaAncho);
    TxtInfo = new QPlainTextEdit(this);
    TxtInfo->setObjectName("TxtInfo");
    TxtInfo->setReadOnly(true);
    TxtInfo->setGeometry(kCampoIzquierda, 180, kCampoAncho, 90);
    CmdActualizar = new QPushButton("Deskargatu Descargar", this);
    CmdActualizar->setObjectName("CmdActualizar");
    CmdActualizar->setGeometry(kAncho - 392, kAlto - 44, 160, 28);
    CmdContinuar = new QPushButton("Aurrera jarraitu... Continuar...", this);
    CmdContinuar->setObjectName("CmdContinuar");
    CmdContinuar->setGeometry(kAncho - 216, kAlto - 44, 200, 28);
    CmdContinuar->setDefault(true);

    TxtUrl->installEventFilter(this);
    connect(CmdActualizar, &QPushButton::clicked, this, [this] {
        Guardar(this, "FrmVersionCheck_794T.CmdActualizar_Click", [this] { CmdActualizar_Click(); });
    });
    connect(CmdContinuar, &QPushButton::clicked, this, [this] {
        Guardar(this, "FrmVersionCheck_794T.CmdContinuar_Click", [this] { CmdContinuar_Click(); });
    });
    Form_Load();
}

FrmVersionCheck_794::~FrmVersionCheck_794() = default;

void FrmVersionCheck_794::Form_Load() {
    cursor_ = std::make_unique<plataforma::CursorNormal>();
    const auto& act = objActOnline();
    // Without a web address there is no page to hand over to.
    CmdActualizar->setEnabled(act.ComVer != 0 && !act.ActDownloadURL.isEmpty());
    TxtUrl->setText(act.ActDownloadURL);
    TxtPath->setText(act.ActFile);
    LblActual->setText(act.ProgVer1 + "." + act.ProgVer2 + "." + act.ProgVer3);
    LblDisponible->setText(act.ActVer1 + "." + act.ActVer2 + "." + act.ActVer3);
    TxtInfo->setPlainText(act.ActDescripcion);
}

bool FrmVersionCheck_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == TxtUrl && evento->type() == QEvent::MouseButtonDblClick) {
        Guardar(this, "FrmVersionCheck_794T.TxtUrl_DblClick", [this] { TxtUrl_DblClick(); });
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void FrmVersionCheck_794::CmdActualizar_Click() {
    LanzarExplorador(this, objActOnline().ActDownloadURL);
    accept();
}

void FrmVersionCheck_794::CmdContinuar_Click() { accept(); }

void FrmVersionCheck_794::TxtUrl_DblClick() {
    const QString url = objActOnline().ActDownloadURL;
    if (url.isEmpty()) return;
    LanzarExplorador(this, url);
    // The user goes to install the new release: the program ends at once.
    (Terminar ? Terminar : terminarYa)();
}

QString FrmVersionCheck_794::RutaPagina() {
    return QString::fromStdString(strRutaTrabajo) + "/temphtm.HTM";
}

QByteArray FrmVersionCheck_794::PaginaDescarga(const QString& url) {
    const QString texto = "<HTML> "
                          " <BODY ONLOAD='document.formulario.submit();'> "
                          " <FORM NAME='formulario' action='" +
                          escaparHtml(url) +
                          "' method=post> "
                          " </FORM></BODY> </HTML>";
    return QByteArray::fromStdString(rt::ToCp1252(texto.toStdString()));
}

void FrmVersionCheck_794::LanzarExplorador(QWidget* frm, const QString& url) {
    const QString ruta = RutaPagina();
    const QByteArray pagina = PaginaDescarga(url);
    rt::ReplaceFileAtomically(ruta.toStdString(), [&](std::ostream& salida) {
        salida.write(pagina.constData(), pagina.size());
    });
    if (plataforma::AbrirDocumento(ruta) == plataforma::Apertura::Abierta) return;
    QMessageBox aviso(QMessageBox::Warning, Cat(298), Cat(297), QMessageBox::Ok, frm);
    aviso.setObjectName("NavegadorNoEncontrado");
    aviso.exec();
}

}  // namespace quelvo
