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

Apertura AbrirDocumento(const QString& rutaOUrl) {
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
    if (url.isValid() && url.isLocalFile() && !QFileInfo::exists(nombre)) return Apertura::NoExiste;
    return url.isValid() && QDesktopServices::openUrl(url) ? Apertura::Abierta : Apertura::SinPrograma;
}

CursorEspera::CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }

CursorEspera::~CursorEspera() { QApplication::restoreOverrideCursor(); }

CursorNormal::CursorNormal() { QApplication::setOverrideCursor(Qt::ArrowCursor); }

CursorNormal::~CursorNormal() { QApplication::restoreOverrideCursor(); }

}  // namespace quelvo::plataforma
