#include "platform/rutas.h"

#include <QCoreApplication>
#include <QDir>

#include "quelvort/object.h"

namespace quelvo::plataforma {

QString CarpetaPrograma() { return QString::fromStdString(rt::ProgramFolder()); }

QString CarpetaTrabajo() { return QDir::homePath() + "/telematica"; }

QString CarpetaTablas(const QString& carpetaPrograma) {
    qsizetype p = carpetaPrograma.indexOf("cliente", 0, Qt::CaseInsensitive);
    if (p < 0) return carpetaPrograma + "/Tablas/";
    // The path up to, not including, the separator in front of "cliente".
    return carpetaPrograma.left(std::max<qsizetype>(0, p - 1)) + "/Tablas/";
}

}  // namespace quelvo::plataforma
