#include "windows/frmGestErrores_794.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/sistema.h"
#include "quelvort/cp1252.h"
#include "quelvort/error.h"
#include "quelvort/textfile.h"
#include "services/guarda.h"
#include "services/twips.h"

namespace quelvo {

namespace {

constexpr int kAltoPlegado = Px(2040);
constexpr int kAltoDesplegado = Px(4965);
constexpr int kIconoIzquierda = Px(90);
constexpr int kIconoDerecha = Px(4080);
constexpr int kAncho = 480;

const QString kRaya = QString(58, '_');

// Two reports in the same second would share a name; the later one takes
// " (2)", " (3)" ... so the earlier log survives.
QString RutaLibre(const QString& base) {
    if (!QFileInfo::exists(base + ".log")) return base + ".log";
    for (int n = 2; n < 1000; ++n) {
        QString ruta = base + QStringLiteral(" (%1).log").arg(n);
        if (!QFileInfo::exists(ruta)) return ruta;
    }
    return base + ".log";
}

QString NombreEjecutable() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace

frmGestErrores_794::frmGestErrores_794(QWidget* parent) : QDialog(parent) {
    setObjectName("frmGestErrores_794");
    setWindowTitle("Error...");

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(style()->standardPixmap(QStyle::SP_MessageBoxCritical));
    Image1->setGeometry(kIconoIzquierda, 10, 32, 32);
    Image1->setAcceptDrops(true);
    Image1->installEventFilter(this);

    const char* etiquetas[] = {"Formulario:", "Evento:", "Fichero:"};
    for (int i = 0; i < 3; ++i) {
        auto etiqueta = new QLabel(etiquetas[i], this);
        etiqueta->setObjectName(QStringLiteral("Label1_%1").arg(i));
        etiqueta->setGeometry(50, 10 + 26 * i, 68, 22);
        auto texto = new QLineEdit(this);
        texto->setObjectName(QStringLiteral("txtError_%1").arg(i));
        texto->setReadOnly(true);
        texto->setGeometry(120, 10 + 26 * i, kAncho - 130, 22);
        txtCabecera[static_cast<size_t>(i)] = texto;
    }

    cmdMas = new QPushButton("Ver detalles >>", this);
    cmdMas->setObjectName("cmdMas");
    cmdMas->setGeometry(kAncho - 230, 94, 110, 28);
    cmdAceptar = new QPushButton("&Cerrar", this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setGeometry(kAncho - 115, 94, 105, 28);
    cmdAceptar->setDefault(true);

    Frame1_1 = new QGroupBox(this);
    Frame1_1->setObjectName("Frame1_1");
    Frame1_1->setGeometry(6, kAltoPlegado, kAncho - 12, kAltoDesplegado - kAltoPlegado - 6);
    auto etiqueta = new QLabel("Descripción del Error", Frame1_1);
    etiqueta->setObjectName("Label1_3");
    etiqueta->setGeometry(8, 6, 200, 20);
    txtDescripcion = new QPlainTextEdit(Frame1_1);
    txtDescripcion->setObjectName("txtError_3");
    txtDescripcion->setReadOnly(true);
    txtDescripcion->setGeometry(8, 28, Frame1_1->width() - 16, Frame1_1->height() - 36);

    connect(cmdAceptar, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmGestErrores_794T.cmdAceptar_Click", [this] { cmdAceptar_Click(); });
    });
    connect(cmdMas, &QPushButton::clicked, this, [this] {
        Guardar(this, "frmGestErrores_794T.cmdMas_Click", [this] { cmdMas_Click(); });
    });
    Guardar(this, "frmGestErrores_794T.Form_Load", [this] { Form_Load(); });
}

void frmGestErrores_794::Form_Load() {
    Frame1_1->hide();
    setFixedSize(kAncho, kAltoPlegado);
}

void frmGestErrores_794::cmdAceptar_Click() { accept(); }

void frmGestErrores_794::cmdMas_Click() {
    setFixedSize(kAncho, kAltoDesplegado);
    cmdMas->setEnabled(false);
    Frame1_1->show();
}

void frmGestErrores_794::Image1_DragDrop() {
    int izquierda = Image1->x() == kIconoIzquierda ? kIconoDerecha : kIconoIzquierda;
    Image1->move(izquierda, Image1->y());
}

bool frmGestErrores_794::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Image1 && evento->type() == QEvent::DragEnter) {
        static_cast<QDragEnterEvent*>(evento)->acceptProposedAction();
        return true;
    }
    if (objeto == Image1 && evento->type() == QEvent::Drop) {
        static_cast<QDropEvent*>(evento)->acceptProposedAction();
        Guardar(this, "frmGestErrores_794T.Image1_DragDrop", [this] { Image1_DragDrop(); });
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmGestErrores_794::Mostrar(const QString& formulario, const QString& evento,
                                 const QString& descripcion) {
    try {
        plataforma::CursorNormal flecha;
        txtCabecera[0]->setText(formulario);
        txtCabecera[1]->setText(evento);
        txtCabecera[2]->setText(ErrorADisco(formulario, evento, descripcion));
        QString texto = descripcion;
        texto.replace("\r\n", "\n").replace('\r', '\n');
        txtDescripcion->setPlainText(texto);
        exec();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "frmGestErrores_794.Mostrar");
    }
}

QString frmGestErrores_794::ErrorADisco(const QString& formulario, const QString& evento,
                                        const QString& descripcion) {
    return ErrorADisco(formulario, evento, descripcion, QDateTime::currentDateTime());
}

QString frmGestErrores_794::ErrorADisco(const QString& formulario, const QString& evento,
                                        const QString& descripcion, const QDateTime& momento) {
    // One moment for the name and the first line, so they never disagree.
    QString ruta =
        RutaLibre(plataforma::pathTemporal() + "Error" + momento.toString("yy-MM-dd hh-mm-ss"));
    QString maquina = plataforma::NombrePC();
    try {
        // Read by people on this desktop, whose text files are UTF-8.
        rt::TextFileWriter log(QFile::encodeName(ruta).toStdString(), rt::TextEncoding::Utf8);
        auto linea = [&log](const QString& texto) { log.WriteLine(texto.toStdString()); };
        linea("Error generado el " + momento.toString("dd/MM/yy hh:mm:ss") + " por el");
        linea("ejecutable " + NombreEjecutable());
        linea("en la máquina " + maquina);
        linea(kRaya);
        linea("");
        linea("  Formulario           " + formulario);
        linea("  Evento                  " + evento);
        linea("  Descripción       \r\n\r\n" + descripcion);
        linea(kRaya);
        linea("");
        linea("");
        log.Commit();
    } catch (...) {
        // A log that cannot be written leaves no trace; the window still
        // shows where it was meant to be.
    }
    return ruta;
}

}  // namespace quelvo
