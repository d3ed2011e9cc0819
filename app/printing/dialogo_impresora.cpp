#include "printing/dialogo_impresora.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPrintDialog>
#include <QSpinBox>

#include "printing/selector_ficheros.h"
#include "services/globales.h"
#include "services/guarda.h"

namespace quelvo {

namespace {

// Qt's choices a file printed to does not honour: the program writes one
// copy, in the order printed, as drawn, one-sided.
constexpr const char* kOpcionesDeImpresora[] = {"copies", "collate", "reverse", "colorMode", "duplex"};

// Qt's output-file box is enabled exactly while printing to a file. Qt puts
// a printer's own choices back in place when one is chosen.
void AjustarOpcionesAlDestino(QPrintDialog& dialogo) {
    auto salida = dialogo.findChild<QLineEdit*>("filename");
    if (!salida) return;
    const bool aFichero = salida->isEnabled();
    for (const char* nombre : kOpcionesDeImpresora)
        if (auto opcion = dialogo.findChild<QWidget*>(nombre)) opcion->setEnabled(!aFichero);
    if (auto copias = dialogo.findChild<QSpinBox*>("copies"); copias && aFichero) copias->setValue(1);
}

// Follows the destination: as the dialog opens, when Qt has settled its
// printers, and after Qt's own handling of every other choice of one.
class OpcionesSegunDestino : public QObject {
public:
    explicit OpcionesSegunDestino(QPrintDialog& dialogo) : QObject(&dialogo), dialogo_(dialogo) {
        dialogo.installEventFilter(this);
        if (auto impresoras = dialogo.findChild<QComboBox*>("printers"))
            connect(impresoras, &QComboBox::currentIndexChanged, this,
                    [this] { AjustarOpcionesAlDestino(dialogo_); });
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == &dialogo_ && evento->type() == QEvent::Show) AjustarOpcionesAlDestino(dialogo_);
        return false;
    }

private:
    QPrintDialog& dialogo_;
};

QStringList FiltrosPdf() {
    return {lngIdioma == kOffsetEuskera ? QStringLiteral("PDF dokumentuak (*.pdf)")
                                        : QStringLiteral("Documentos PDF (*.pdf)"),
            FiltroTodosLosFicheros()};
}

// Qt's browse button for the output file opens Qt's static chooser, in the
// machine's formats; it opens the program's instead, where Qt lets its own
// be unhooked.
void ExaminarConSelectorPropio(QPrintDialog& dialogo) {
    auto examinar = dialogo.findChild<QAbstractButton*>("fileBrowser");
    auto salida = dialogo.findChild<QLineEdit*>("filename");
    auto impresoras = dialogo.findChild<QComboBox*>("printers");
    auto propio = dialogo.findChild<QWidget*>("QPrintWidget");
    if (!examinar || !salida || !impresoras || !propio ||
        !QObject::disconnect(examinar, &QAbstractButton::clicked, propio, nullptr))
        return;
    QObject::connect(examinar, &QAbstractButton::clicked, &dialogo, [&dialogo, salida, impresoras] {
        Guardar(&dialogo, "cmmPrinterT.fileBrowser_Click", [&] {
            QFileDialog selector(&dialogo);
            selector.setObjectName("cdbFicheroImpresion");
            selector.setWindowTitle(QPrintDialog::tr("Print To File ..."));
            PrepararSelector(selector, QFileDialog::AcceptSave, FiltrosPdf(), salida->text());
            selector.setDefaultSuffix(QStringLiteral("pdf"));
            if (selector.exec() != QDialog::Accepted || selector.selectedFiles().isEmpty()) return;
            salida->setText(selector.selectedFiles().constFirst());
            // As Qt's own: a file chosen is printed to, its entry the last.
            impresoras->setCurrentIndex(impresoras->count() - 1);
        });
    });
}

}  // namespace

void PrepararDialogoImpresora(QPrintDialog& dialogo) {
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies);
    // Qt turns its range buttons on whatever the options say; their group
    // it leaves as it is.
    if (auto rango = dialogo.findChild<QWidget*>("gbPrintRange")) rango->setEnabled(false);
    new OpcionesSegunDestino(dialogo);
    ExaminarConSelectorPropio(dialogo);
}

}  // namespace quelvo
