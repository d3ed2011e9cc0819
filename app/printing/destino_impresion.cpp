#include "printing/destino_impresion.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "platform/sistema.h"
#include "printing/lienzo_qt.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/interaccion.h"

namespace quelvo {

namespace {

QString impresoraElegida;
Lienzo* lienzoPruebas = nullptr;
DocumentosSinAbrir* sinAbrir = nullptr;

// Where the PDFs are and that no viewer opened them, in the interface
// language, short enough for the message box: the folder, then the files.
QString TextoSinAbrir(const QStringList& rutas) {
    const QString carpeta = QFileInfo(rutas.first()).absolutePath();
    QStringList ficheros;
    for (const QString& ruta : rutas) {
        const QFileInfo fichero(ruta);
        ficheros << (fichero.absolutePath() == carpeta ? fichero.fileName()
                                                       : QDir::toNativeSeparators(fichero.absoluteFilePath()));
    }
    const bool uno = rutas.size() == 1;
    QString texto;
    if (lngIdioma == 0)
        texto = uno ? QStringLiteral("Sin impresora configurada, el documento se ha guardado como PDF en la "
                                     "carpeta %1: %2. No se ha podido abrir automáticamente; ábralo desde "
                                     "esa carpeta.")
                    : QStringLiteral("Sin impresora configurada, los documentos se han guardado como PDF en "
                                     "la carpeta %1: %2. No se han podido abrir automáticamente; ábralos "
                                     "desde esa carpeta.");
    else
        texto = uno ? QStringLiteral("Inprimagailurik ez dagoenez, agiria PDF gisa gorde da %1 karpetan: %2. "
                                     "Ezin izan da automatikoki ireki; ireki ezazu karpeta horretatik.")
                    : QStringLiteral("Inprimagailurik ez dagoenez, agiriak PDF gisa gorde dira %1 karpetan: "
                                     "%2. Ezin izan dira automatikoki ireki; ireki itzazu karpeta "
                                     "horretatik.");
    return texto.arg(QDir::toNativeSeparators(carpeta), ficheros.join(QStringLiteral(", ")));
}

void AvisarSinAbrir(const QStringList& rutas) { interaccion().Avisar(TextoSinAbrir(rutas), Cat(208)); }

// The chosen printer when it still exists, else the default one; a null
// printer when the system has none.
QPrinterInfo Impresora() {
    if (!impresoraElegida.isEmpty()) {
        const QPrinterInfo elegida = QPrinterInfo::printerInfo(impresoraElegida);
        if (!elegida.isNull()) return elegida;
    }
    return QPrinterInfo::defaultPrinter();
}

}  // namespace

void EstablecerImpresora(const QString& nombre) { impresoraElegida = nombre; }
QString ImpresoraElegida() { return impresoraElegida; }
void EstablecerLienzoPruebas(Lienzo* lienzo) { lienzoPruebas = lienzo; }

DocumentosSinAbrir::DocumentosSinAbrir() {
    if (!sinAbrir) sinAbrir = this;
}

DocumentosSinAbrir::~DocumentosSinAbrir() {
    if (sinAbrir == this) sinAbrir = nullptr;
}

void DocumentosSinAbrir::Avisar() {
    if (rutas_.isEmpty()) return;
    const QStringList rutas = std::exchange(rutas_, {});
    AvisarSinAbrir(rutas);
}

DocumentoImpreso::DocumentoImpreso(const QString& nombre) {
    if (lienzoPruebas) {
        lienzo_ = lienzoPruebas;
        return;
    }
    const QPrinterInfo info = Impresora();
    if (!info.isNull()) {
        impresora_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        impresora_->setPageSize(QPageSize(QPageSize::A4));
        propio_ = std::make_unique<LienzoImpresora>(*impresora_, nombre);
    } else {
        const QString ruta = QDir(QString::fromStdString(strRutaTrabajo)).filePath(nombre + ".pdf");
        auto pdf = std::make_unique<LienzoPdf>(ruta);
        pdf_ = pdf.get();
        propio_ = std::move(pdf);
    }
    lienzo_ = propio_.get();
}

DocumentoImpreso::~DocumentoImpreso() {
    // A document left unfinished by an error keeps the pages already ended.
    if (pdf_) {
        try {
            pdf_->Terminar();
        } catch (...) {
        }
    }
}

void DocumentoImpreso::Terminar() {
    lienzo_->EndDoc();
    if (!pdf_ || !pdf_->Terminar()) return;
    // Written whole: not opening it is no error of the print.
    if (plataforma::AbrirDocumento(pdf_->Ruta(), nullptr)) return;
    if (!sinAbrir) AvisarSinAbrir({pdf_->Ruta()});
    else if (!sinAbrir->rutas_.contains(pdf_->Ruta())) sinAbrir->rutas_ << pdf_->Ruta();
}

QString DocumentoImpreso::RutaPdf() const { return pdf_ ? pdf_->Ruta() : QString(); }

}  // namespace quelvo
