#include "printing/fuentes.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMutex>
#include <QSet>

#include "quelvort/error.h"

namespace quelvo {

namespace {

// Where the Debian package puts the faces, registered with the application
// when the system's font configuration does not list them.
constexpr const char* kCarpetaLiberation = "/usr/share/fonts/truetype/liberation";

bool CaraInstalada(const QString& cara) {
    static QMutex cerrojo;
    static QSet<QString> comprobadas;
    QMutexLocker bloqueo(&cerrojo);
    if (comprobadas.contains(cara)) return true;
    if (!QFontDatabase::families().contains(cara)) {
        const QDir carpeta(QString::fromLatin1(kCarpetaLiberation));
        for (const QString& fichero : carpeta.entryList({"Liberation*.ttf"}, QDir::Files))
            QFontDatabase::addApplicationFont(carpeta.filePath(fichero));
        if (!QFontDatabase::families().contains(cara)) return false;
    }
    comprobadas.insert(cara);
    return true;
}

}  // namespace

QString CaraImpresa(const QString& nombre) {
    return nombre.compare("Times New Roman", Qt::CaseInsensitive) == 0
               ? QStringLiteral("Liberation Serif")
               : QStringLiteral("Liberation Sans");
}

QFont FuenteQt(const FuenteLienzo& fuente) {
    const QString cara = CaraImpresa(fuente.nombre);
    if (!CaraInstalada(cara))
        throw rt::Error(rt::err::InvalidArgument, "Quelvo",
                        "No está instalada la fuente " + cara.toStdString() +
                            " (paquete fonts-liberation), necesaria para imprimir.");
    QFont f(cara);
    f.setPointSizeF(fuente.puntos);
    f.setBold(fuente.negrita);
    f.setItalic(fuente.cursiva);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

}  // namespace quelvo
