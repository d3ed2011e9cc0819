#pragma once
// The program's file chooser: Qt's own on every desktop, listing its files in
// the user's language and wide enough for whole names.
#include <QFileDialog>
#include <QString>
#include <QStringList>

namespace quelvo {

// Sets `dialogo` up to choose one file, saved or opened as `modo` says, among
// `filtros`, starting at `ruta` (a file's path, or "" for where Qt starts). A
// file that exists is not asked about: whoever writes it asks, if anyone.
void PrepararSelector(QFileDialog& dialogo, QFileDialog::AcceptMode modo, const QStringList& filtros,
                      const QString& ruta);

// The filter for every file, in the user's language; "*" also lists the
// names without a point.
QString FiltroTodosLosFicheros();

}  // namespace quelvo
