#include "printing/destino_impresion.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>
#include <utility>

#include "platform/sistema.h"
#include "printing/lienzo_qt.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/interaccion.h"

namespace quelvo {

namespace {

// What the printer dialog chose for its printer, besides the name.
struct Ajustes {
    int copias;
    bool intercaladas;
    QPrinter::PageOrder orden;
    QPrinter::ColorMode color;
    QPrinter::DuplexMode dobleCara;
};

QString impresoraElegida;
std::optional<Ajustes> ajustes;
Lienzo* lienzoPruebas = nullptr;
DocumentosSinAbrir* sinAbrir = nullptr;
FicheroElegido* ficheroElegido = nullptr;

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

// The file chosen for the run, whole, in the interface language; a run the
// user stopped left in it only what was printed until then.
QString TextoElegido(const QString& ruta, bool completo) {
    const bool es = lngIdioma == 0;
    const QString texto =
        completo ? (es ? QStringLiteral("La impresión se ha guardado en el fichero %1.")
                       : QStringLiteral("Inprimaketa %1 fitxategian gorde da."))
                 : (es ? QStringLiteral("La impresión se ha detenido: el fichero %1 tiene solo lo impreso hasta "
                                        "entonces.")
                       : QStringLiteral("Inprimaketa eten egin da: %1 fitxategian ordura arte inprimatutakoa "
                                        "baino ez dago."));
    return texto.arg(QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()));
}

void AplicarAjustes(QPrinter& impresora) {
    if (!ajustes) return;
    impresora.setCopyCount(ajustes->copias);
    impresora.setCollateCopies(ajustes->intercaladas);
    impresora.setPageOrder(ajustes->orden);
    impresora.setColorMode(ajustes->color);
    impresora.setDuplex(ajustes->dobleCara);
}

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

void EstablecerImpresora(const QString& nombre) {
    impresoraElegida = nombre;
    ajustes.reset();
}

QString ImpresoraElegida() { return impresoraElegida; }

void EstablecerImpresora(const QPrinter& elegida) {
    impresoraElegida = elegida.printerName();
    ajustes = Ajustes{elegida.copyCount(), elegida.collateCopies(), elegida.pageOrder(), elegida.colorMode(),
                      elegida.duplex()};
}

void PrepararImpresora(QPrinter& impresora) {
    if (!impresoraElegida.isEmpty()) impresora.setPrinterName(impresoraElegida);
    AplicarAjustes(impresora);
}

void EstablecerLienzoPruebas(Lienzo* lienzo) { lienzoPruebas = lienzo; }

DocumentosSinAbrir::DocumentosSinAbrir() {
    if (!sinAbrir) sinAbrir = this;
}

DocumentosSinAbrir::~DocumentosSinAbrir() {
    if (sinAbrir == this) sinAbrir = nullptr;
}

void DocumentosSinAbrir::Avisar() {
    QStringList textos;
    if (!elegido_.isEmpty()) textos << TextoElegido(std::exchange(elegido_, {}), elegidoCompleto_);
    if (!rutas_.isEmpty()) textos << TextoSinAbrir(std::exchange(rutas_, {}));
    if (!textos.isEmpty()) interaccion().Avisar(textos.join(QLatin1Char(' ')), Cat(208));
}

FicheroElegido::FicheroElegido(const QString& ruta) {
    if (ruta.isEmpty() || ficheroElegido) return;
    pdf_ = std::make_unique<LienzoPdf>(ruta, LienzoPdf::SiExiste::Sustituir);
    ficheroElegido = this;
}

FicheroElegido::~FicheroElegido() {
    if (ficheroElegido == this) ficheroElegido = nullptr;
    if (!pdf_) return;
    // A run ended by an error keeps the pages already ended.
    try {
        pdf_->Terminar();
    } catch (...) {
    }
}

void FicheroElegido::Terminar(bool completo) {
    if (!pdf_ || !pdf_->Terminar()) return;
    // Told now unless a run tells it with the rest.
    DocumentosSinAbrir propio;
    sinAbrir->elegido_ = pdf_->Ruta();
    sinAbrir->elegidoCompleto_ = completo;
    propio.Avisar();
}

DocumentoImpreso::DocumentoImpreso(const QString& nombre) {
    if (lienzoPruebas) {
        lienzo_ = lienzoPruebas;
        return;
    }
    if (ficheroElegido) {
        lienzo_ = ficheroElegido->pdf_.get();
        return;
    }
    const QPrinterInfo info = Impresora();
    if (!info.isNull()) {
        impresora_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        // What was chosen for a printer that is gone is not for another.
        if (info.printerName() == impresoraElegida) AplicarAjustes(*impresora_);
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
    if (plataforma::AbrirDocumento(pdf_->Ruta()) == plataforma::Apertura::Abierta) return;
    // Told now unless a run tells it with the rest.
    DocumentosSinAbrir propio;
    if (!sinAbrir->rutas_.contains(pdf_->Ruta())) sinAbrir->rutas_ << pdf_->Ruta();
    propio.Avisar();
}

QString DocumentoImpreso::RutaPdf() const { return pdf_ ? pdf_->Ruta() : QString(); }

}  // namespace quelvo
