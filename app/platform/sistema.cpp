#include "platform/sistema.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>

namespace quelvo::plataforma {

namespace {

// "http://...", "mailto:..." and the like; a drive-less path never has a
// scheme of two or more letters before its first colon.
bool esUrl(const QString& texto) {
    static const QRegularExpression esquema("^[A-Za-z][A-Za-z0-9+.-]+:");
    return esquema.match(texto).hasMatch();
}

}  // namespace

QString pathTemporal() {
    // Empty when the folder TMPDIR names does not exist.
    QString carpeta = QDir::tempPath();
    if (carpeta.isEmpty()) return {};
    if (!carpeta.endsWith('/')) carpeta += '/';
    return carpeta;
}

QString NombrePC() { return QSysInfo::machineHostName(); }

bool AbrirDocumento(const QString& rutaOUrl, QString* error) {
    QUrl url;
    QString nombre;
    if (esUrl(rutaOUrl)) {
        url = QUrl(rutaOUrl);
        nombre = url.isLocalFile() ? url.toLocalFile() : rutaOUrl;
    } else {
        nombre = QFileInfo(rutaOUrl).absoluteFilePath();
        url = QUrl::fromLocalFile(nombre);
    }
    // The desktop's opener starts detached and cannot report a missing file.
    bool abierto = url.isValid() && (!url.isLocalFile() || QFileInfo::exists(nombre)) &&
                   QDesktopServices::openUrl(url);
    // Read by whoever shows it, in either language: both are given.
    if (!abierto && error)
        *error = QStringLiteral("No se puede abrir %1\nEzin da ireki %1").arg(nombre);
    return abierto;
}

CursorEspera::CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }

CursorEspera::~CursorEspera() { QApplication::restoreOverrideCursor(); }

CursorNormal::CursorNormal() { QApplication::setOverrideCursor(Qt::ArrowCursor); }

CursorNormal::~CursorNormal() { QApplication::restoreOverrideCursor(); }

}  // namespace quelvo::plataforma
