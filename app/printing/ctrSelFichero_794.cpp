#include "printing/ctrSelFichero_794.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>
#include <QFrame>
#include <QHBoxLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "controls/controles.h"
#include "controls/estilo.h"
#include "printing/controles.h"
#include "printing/cselfichero.h"
#include "services/fechas.h"
#include "services/globales.h"
#include "services/guarda.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

// The chooser's width: a long file name of the work folder and its details
// side by side.
constexpr int kAnchoExploradorEnCaracteres = 160;

// The chooser's list with sizes and dates in the default locale, the
// program's language: Qt's file model writes them in the machine's, English
// month names included.
class FicherosEnIdioma : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& indice, int rol) const override {
        enum { kTamano = 1, kFecha = 3 };
        const auto ficheros = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (rol == Qt::DisplayRole && ficheros && (indice.column() == kTamano || indice.column() == kFecha)) {
            const QModelIndex origen = mapToSource(indice);
            if (indice.column() == kFecha) {
                // As the program writes dates in the user's language.
                const QDateTime cuando = ficheros->lastModified(origen);
                const QDate dia = cuando.date();
                return NumeroAFecha(dia.year() * 10000 + dia.month() * 100 + dia.day()) +
                       cuando.toString(" hh:mm");
            }
            if (!ficheros->isDir(origen)) return QLocale().formattedDataSize(ficheros->size(origen));
        }
        return QIdentityProxyModel::data(indice, rol);
    }
};

}  // namespace

ctrSelFichero_794::ctrSelFichero_794(QWidget* parent, UsoFichero uso) : QWidget(parent), uso_(uso) {
    setObjectName("ctrSelFichero_794");
    auto exterior = new QHBoxLayout(this);
    exterior->setContentsMargins(0, 0, 0, 0);
    shpMarcoExplorador = Marco(this, "shpMarcoExplorador");
    exterior->addWidget(shpMarcoExplorador);
    auto fila = new QHBoxLayout(shpMarcoExplorador);
    // A long path shows its end: the file name is what the user checks.
    lblRuta = new EtiquetaFinal(shpMarcoExplorador);
    lblRuta->setObjectName("lblRuta");
    lblRuta->setMinimumWidth(320);
    lblRuta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fila->addWidget(lblRuta, 1);
    cmdExplorar = new QPushButton("...", shpMarcoExplorador);
    cmdExplorar->setObjectName("cmdExplorar");
    fila->addWidget(cmdExplorar);
    connect(cmdExplorar, &QPushButton::clicked, this,
            Guardado(this, "ctrSelFichero_794T.cmdExplorar_Click", &ctrSelFichero_794::cmdExplorar_Click));
    UserControl_Initialize();
}

void ctrSelFichero_794::UserControl_Initialize() {
    AplicarEstilo(this);
    cSelFichero& sel = objSelFichero();
    sel.Cancelar(false);
    lblRuta->setText(sel.RutaPorDefecto());
    sel.RutaFichero(sel.RutaPorDefecto());
}

QString ctrSelFichero_794::RutaFichero() const { return lblRuta->text(); }

void ctrSelFichero_794::SeguirPropuesta() {
    if (!elegidaPorUsuario_) lblRuta->setText(objSelFichero().RutaPorDefecto());
}

void ctrSelFichero_794::cmdExplorar_Click() {
    // The file need not exist: the box chooses where a run writes as well as
    // what it reads. Nothing is written yet when the user picks a file, so a
    // file that exists is not asked about here.
    QFileDialog dialogo(window());
    dialogo.setObjectName("cdbExplorador");
    // Qt's own chooser on every desktop, in the program's language; a
    // desktop's native one would speak the machine's.
    dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogo.setProxyModel(new FicherosEnIdioma(&dialogo));
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setAcceptMode(uso_ == UsoFichero::Escribir ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialogo.setOption(QFileDialog::ReadOnly, false);
    const bool euskera = lngIdioma == kOffsetEuskera;
    // "*" also lists the names without a point.
    dialogo.setNameFilters({euskera ? "Fitxategi guztiak (*)" : "Todos los archivos (*)",
                            euskera ? "Testu dokumentuak (*.dat *.txt)" : "Documentos de texto (*.dat *.txt)"});
    const QFileInfo actual(lblRuta->text());
    if (!lblRuta->text().isEmpty()) {
        dialogo.setDirectory(actual.absolutePath());
        dialogo.selectFile(actual.fileName());
    }
    // Room for whole names, sizes, kinds and dates in the listing.
    if (auto lista = dialogo.findChild<QTreeView*>("treeView")) {
        QHeaderView* cabecera = lista->header();
        cabecera->setStretchLastSection(false);
        for (int c = 0; c < cabecera->count(); ++c) cabecera->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    const int ancho = std::min(dialogo.fontMetrics().averageCharWidth() * kAnchoExploradorEnCaracteres,
                               dialogo.screen()->availableGeometry().width());
    dialogo.resize(dialogo.sizeHint().expandedTo(QSize(ancho, dialogo.sizeHint().height())));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return;
    lblRuta->setText(QFileInfo(dialogo.selectedFiles().constFirst()).absoluteFilePath());
    elegidaPorUsuario_ = true;
}

}  // namespace quelvo
