#include "printing/selector_ficheros.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

#include "services/fechas.h"
#include "services/globales.h"

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

void PrepararSelector(QFileDialog& dialogo, QFileDialog::AcceptMode modo, const QStringList& filtros,
                      const QString& ruta) {
    // Qt's own chooser on every desktop, in the program's language; a
    // desktop's native one would speak the machine's.
    dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogo.setProxyModel(new FicherosEnIdioma(&dialogo));
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setAcceptMode(modo);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialogo.setOption(QFileDialog::ReadOnly, false);
    dialogo.setNameFilters(filtros);
    if (!ruta.isEmpty()) {
        const QFileInfo actual(ruta);
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
}

QString FiltroTodosLosFicheros() {
    return lngIdioma == kOffsetEuskera ? QStringLiteral("Fitxategi guztiak (*)")
                                       : QStringLiteral("Todos los archivos (*)");
}

}  // namespace quelvo
