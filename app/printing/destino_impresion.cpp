#include "printing/destino_impresion.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/sistema.h"
#include "printing/lienzo_qt.h"
#include "shell/catalogo.h"
#include "shell/globales.h"
#include "shell/interaccion.h"

namespace quelvo {

namespace {

QString impresoraElegida;
Lienzo* lienzoPruebas = nullptr;

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
    QString error;
    if (!plataforma::AbrirDocumento(pdf_->Ruta(), &error)) interaccion().Avisar(error, Cat(173));
}

QString DocumentoImpreso::RutaPdf() const { return pdf_ ? pdf_->Ruta() : QString(); }

}  // namespace quelvo
