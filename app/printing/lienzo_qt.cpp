#include "printing/lienzo_qt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "printing/fuentes.h"
#include "printing/imagenes.h"
#include "quelvort/error.h"
#include "quelvort/tempfile.h"
#include "services/globales.h"

namespace quelvo {

namespace {

constexpr double kResolucionPdf = 1200;
// Numbered names tried before a PDF is given up as not writable.
constexpr int kNumeradosMaximo = 9999;

struct Escala {
    double x, y;
    QPointF origen;  // millimetres
    QPointF punto(double mmx, double mmy) const {
        return {(mmx + origen.x()) * x, (mmy + origen.y()) * y};
    }
    QRectF caja(double x1, double y1, double x2, double y2) const {
        return QRectF(punto(x1, y1), punto(x2, y2)).normalized();
    }
};

// A PDF that could not be written whole, told in the interface language.
[[noreturn]] void FalloFichero(const QString& ruta) {
    const QString texto =
        lngIdioma == 0
            ? QStringLiteral("No se ha podido escribir el fichero %1: compruebe que su carpeta existe y "
                             "admite escritura, y que no hay una carpeta con ese nombre.")
            : QStringLiteral("Ezin izan da %1 fitxategia idatzi: egiaztatu bere karpeta badagoela eta "
                             "bertan idatz daitekeela, eta izen hori duen karpetarik ez dagoela.");
    throw rt::Error(rt::err::PathFileAccess, "Quelvo", texto.arg(QDir::toNativeSeparators(ruta)).toStdString());
}

// The path itself, then "name (2).pdf", "name (3).pdf", ...
QString Numerado(const QString& ruta, int numero) {
    if (numero == 1) return ruta;
    const QFileInfo fichero(ruta);
    const QString extension = fichero.suffix().isEmpty() ? QString() : "." + fichero.suffix();
    return fichero.dir().filePath(
        QStringLiteral("%1 (%2)%3").arg(fichero.completeBaseName(), QString::number(numero), extension));
}

// Where the printable area starts on the sheet. The devices are set to draw
// from the sheet's corner and the canvas is moved by the margins here: the
// printable area a device would start from is rounded to whole points, up to
// 0.18 mm away from the margins.
QPointF EsquinaImprimible(const QPageLayout& pagina) {
    const QMarginsF margenes = pagina.margins(QPageLayout::Millimeter);
    return {margenes.left(), margenes.top()};
}

}  // namespace

void DibujarTrabajo(QPainter& pintor, const Trabajo& trabajo, QPointF origen) {
    QPaintDevice* dispositivo = pintor.device();
    const Escala e{dispositivo->logicalDpiX() / 25.4, dispositivo->logicalDpiY() / 25.4, origen};
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    for (const Operacion& op : trabajo) {
        switch (op.tipo) {
            case Operacion::Tipo::Texto: {
                const QFont fuente = FuenteQt(op.fuente);
                pintor.setFont(fuente);
                pintor.setPen(Qt::black);
                const double ascenso = QFontMetricsF(fuente, dispositivo).ascent();
                const QPointF origen = e.punto(op.x1, op.y1);
                pintor.drawText(QPointF(origen.x(), origen.y() + ascenso), op.texto);
                break;
            }
            case Operacion::Tipo::Linea:
            case Operacion::Tipo::Caja: {
                QPen pluma(Qt::black, op.grosor * kMilimetrosPorUnidadTrazo * e.x, Qt::SolidLine,
                           Qt::SquareCap, Qt::MiterJoin);
                pintor.setPen(pluma);
                pintor.setBrush(Qt::NoBrush);
                if (op.tipo == Operacion::Tipo::Linea)
                    pintor.drawLine(e.punto(op.x1, op.y1), e.punto(op.x2, op.y2));
                else
                    pintor.drawRect(e.caja(op.x1, op.y1, op.x2, op.y2));
                break;
            }
            case Operacion::Tipo::CajaRellena:
                pintor.fillRect(e.caja(op.x1, op.y1, op.x2, op.y2), QColor(op.color));
                break;
            case Operacion::Tipo::Imagen:
                pintor.drawImage(e.caja(op.x1, op.y1, op.x2, op.y2), ImagenFormulario(op.texto));
                break;
        }
    }
    pintor.restore();
}

LienzoImpresora::LienzoImpresora(QPrinter& impresora, const QString& documento)
    : impresora_(impresora) {
    impresora_.setDocName(documento);
    impresora_.setFullPage(true);
}

void LienzoImpresora::Emitir(const Trabajo& trabajo) {
    QPainter pintor;
    if (!pintor.begin(&impresora_))
        throw rt::Error(rt::err::PathFileAccess, "Quelvo",
                        (lngIdioma == 0 ? QStringLiteral("No se ha podido imprimir en la impresora %1.")
                                        : QStringLiteral("Ezin izan da %1 inprimagailuan inprimatu."))
                            .arg(impresora_.printerName())
                            .toStdString());
    DibujarTrabajo(pintor, trabajo, EsquinaImprimible(impresora_.pageLayout()));
    pintor.end();
}

LienzoPdf::LienzoPdf(const QString& ruta, SiExiste siExiste) : ruta_(ruta), siExiste_(siExiste) {
    const QFileInfo destino(ruta);
    // What a run stopped half way left beside it.
    rt::RemoveStaleTemps(ruta.toStdString());
    temporal_ = std::make_unique<rt::TempBeside>(ruta.toStdString());
    // One that cannot be made is told at the first page.
    if (!temporal_->Created() ||
        !fichero_.open(temporal_->Fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return;
    escritor_ = std::make_unique<QPdfWriter>(&fichero_);
    escritor_->setResolution(static_cast<int>(kResolucionPdf));
    QPageLayout pagina(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMargen, kMargen, kMargen, kMargen), QPageLayout::Millimeter);
    pagina.setMode(QPageLayout::FullPageMode);
    escritor_->setPageLayout(pagina);
    escritor_->setTitle(destino.completeBaseName());
    escritor_->setCreator(QStringLiteral("Quelvo"));
}

LienzoPdf::~LienzoPdf() {
    if (pintor_.isActive()) pintor_.end();
    escritor_.reset();
}

void LienzoPdf::Emitir(const Trabajo& trabajo) {
    if (terminado_ || !escritor_) FalloFichero(ruta_);
    if (paginas_ == 0) {
        if (!pintor_.begin(escritor_.get())) FalloFichero(ruta_);
    } else {
        escritor_->newPage();
    }
    DibujarTrabajo(pintor_, trabajo, EsquinaImprimible(escritor_->pageLayout()));
    ++paginas_;
}

bool LienzoPdf::Terminar() {
    if (terminado_) return true;
    if (paginas_ == 0) return false;
    terminado_ = true;
    pintor_.end();
    escritor_.reset();
    const bool escrito = fichero_.flush();
    fichero_.close();
    // Only a whole PDF, on the disk, takes a name.
    char cabecera[5];
    if (!escrito || ::pread(temporal_->Fd(), cabecera, sizeof cabecera, 0) != sizeof cabecera ||
        std::memcmp(cabecera, "%PDF-", sizeof cabecera) != 0)
        FalloFichero(ruta_);
    // EINVAL: the file system has nothing to sync.
    if (::fsync(temporal_->Fd()) != 0 && errno != EINVAL) FalloFichero(ruta_);
    PonerEnSuSitio();
    return true;
}

void LienzoPdf::PonerEnSuSitio() {
    if (siExiste_ == SiExiste::Sustituir) {
        if (temporal_->RenameOverTarget() != 0) FalloFichero(ruta_);
        return;
    }
    for (int numero = 1; numero <= kNumeradosMaximo; ++numero) {
        const QString nombre = Numerado(ruta_, numero);
        const int error = temporal_->RenameToNewName(nombre.toStdString());
        if (error == 0) {
            ruta_ = nombre;
            return;
        }
        if (error != EEXIST) FalloFichero(nombre);
    }
    FalloFichero(ruta_);
}

}  // namespace quelvo
