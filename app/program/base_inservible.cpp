#include "program/base_inservible.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <utility>
#include <vector>

#include "program/arranque.h"
#include "program/error_arranque.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "windows/frmGestErrores_794.h"

namespace quelvo {

namespace {

// The engine's own files beside a database: they belong to it.
const char* const kAcompanantes[] = {"-wal", "-shm", "-journal"};

// A catalog entry in Spanish and in Basque: the language is not known yet.
QString EnAmbas(int32_t id) { return TextoCatalogo(id) + " / " + TextoCatalogo(id + kOffsetEuskera); }

// The restore command as each language's menus name it.
QString Restaurar(int32_t offset) {
    return TextoCatalogo(282 + offset) + " > " + TextoCatalogo(336 + offset);
}

QString TextoBaseInservible(const QString& ruta, const QString& apartada, const QString& registro) {
    const QString nombre = QFileInfo(apartada).fileName();
    return QStringLiteral(
               "No se puede usar la base de datos del programa:\n%1\n"
               "No es una base de datos de Quelvo: está vacía, dañada o es de otro programa. "
               "No se ha cambiado nada en ella.\n\n"
               "Puede apartarla (se renombrará como %2 en la misma carpeta; no se borra nada) y empezar "
               "con una base de datos nueva y vacía, desde la que podrá restaurar una copia de seguridad "
               "(%3).\n\n"
               "Los detalles técnicos están en %4")
               .arg(ruta, nombre, Restaurar(0), registro) +
           QStringLiteral("\n\n――――――――――\n\n") +
           QStringLiteral(
               "Ezin da programaren datu-basea erabili:\n%1\n"
               "Ez da Quelvoren datu-basea: hutsik dago, hondatuta dago edo beste programa batena da. "
               "Ez da ezer aldatu bertan.\n\n"
               "Alde batera utz dezakezu (%2 izena emango zaio karpeta berean; ez da ezer ezabatuko) eta "
               "datu-base berri eta huts batekin hasi; hortik segurtasun kopia bat leheneratu ahal izango "
               "duzu (%3).\n\n"
               "Xehetasun teknikoak hemen daude: %4")
               .arg(ruta, nombre, Restaurar(kOffsetEuskera), registro);
}

QString TextoNoApartada(const QString& ruta, const QString& apartada) {
    const QString carpeta = QFileInfo(ruta).absolutePath();
    const QString nombre = QFileInfo(apartada).fileName();
    return QStringLiteral("No se ha podido renombrar %1 como %2. Compruebe que se puede escribir en la "
                          "carpeta %3. El programa se cerrará sin cambiar nada.")
               .arg(ruta, nombre, carpeta) +
           QStringLiteral("\n\n") +
           QStringLiteral("Ezin izan zaio %1 fitxategiari %2 izena eman. Egiaztatu %3 karpetan idatz "
                          "daitekeela. Programa itxi egingo da, ezer aldatu gabe.")
               .arg(ruta, nombre, carpeta);
}

}  // namespace

QString RutaApartada(const QString& ruta, const QDateTime& momento) {
    const QFileInfo info(ruta);
    const QString base = info.absolutePath() + "/" + info.completeBaseName() + "-" +
                         momento.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString extension = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    auto libre = [](const QString& candidata) {
        if (QFileInfo::exists(candidata)) return false;
        for (const char* sufijo : kAcompanantes)
            if (QFileInfo::exists(candidata + sufijo)) return false;
        return true;
    };
    QString candidata = base + extension;
    for (int n = 2; !libre(candidata); ++n) candidata = base + "-" + QString::number(n) + extension;
    return candidata;
}

bool ApartarFichero(const QString& ruta, const QString& destino, QString* error) {
    std::vector<std::pair<QString, QString>> pasos{{ruta, destino}};
    for (const char* sufijo : kAcompanantes)
        if (QFileInfo::exists(ruta + sufijo)) pasos.emplace_back(ruta + sufijo, destino + sufijo);
    std::vector<std::pair<QString, QString>> hechos;
    for (const auto& [de, a] : pasos) {
        QFile fichero(de);
        // A rename never replaces a file that is there.
        if (!fichero.rename(a)) {
            if (error) *error = de + ": " + fichero.errorString();
            // Back as they were, last first.
            for (auto it = hechos.rbegin(); it != hechos.rend(); ++it) QFile::rename(it->second, it->first);
            return false;
        }
        hechos.emplace_back(de, a);
    }
    return true;
}

bool PrepararBaseUsuario() {
    try {
        return !ComprobarBDVersion();
    } catch (const rt::Error& e) {
        if (e.Number != quelvodat::kErrBaseNoReconocida) throw;
        const QString ruta = QString::fromStdString(strRutaMod);
        const QString registro = frmGestErrores_794::ErrorADisco(
            QStringLiteral("General"), QStringLiteral("General.ComprobarBDVersion"),
            QString::fromStdString(e.Description));
        const QString apartada = RutaApartada(ruta, QDateTime::currentDateTime());
        const int respuesta = PreguntarArranque(
            QStringLiteral("BaseInservible"), TextoBaseInservible(ruta, apartada, registro),
            {{QStringLiteral("cmdApartar"), QStringLiteral("Apartarla y empezar / Alde batera utzi eta hasi")},
             {QStringLiteral("cmdSalir"), EnAmbas(261)}});
        if (respuesta != 0) return false;
        QString error;
        if (!ApartarFichero(ruta, apartada, &error)) {
            frmGestErrores_794::ErrorADisco(QStringLiteral("General"), QStringLiteral("General.ComprobarBDVersion"),
                                            error);
            PreguntarArranque(QStringLiteral("BaseNoApartada"), TextoNoApartada(ruta, apartada),
                              {{QStringLiteral("cmdSalir"), EnAmbas(261)}});
            return false;
        }
        // A new empty database in its place, with the first run's questions.
        return !ComprobarBDVersion();
    }
}

}  // namespace quelvo
