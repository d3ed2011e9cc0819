#include "platform/perfil_ini.h"

#include <optional>
#include <string>
#include <vector>

#include "quelvort/error.h"
#include "quelvort/textfile.h"

namespace quelvo::plataforma {

namespace {

bool esBlanco(QChar c) { return c == ' ' || c == '\t'; }

QString sinBlancos(const QString& texto) {
    qsizetype inicio = 0, fin = texto.size();
    while (inicio < fin && esBlanco(texto[inicio])) ++inicio;
    while (fin > inicio && esBlanco(texto[fin - 1])) --fin;
    return texto.mid(inicio, fin - inicio);
}

QString sinComillas(const QString& valor) {
    if (valor.size() > 1 && (valor.front() == '"' || valor.front() == '\'') &&
        valor.back() == valor.front())
        return valor.mid(1, valor.size() - 2);
    return valor;
}

std::optional<QString> buscar(const QString& ruta, const QString& seccion, const QString& clave) {
    std::vector<std::string> lineas;
    try {
        lineas = rt::ReadAllLines(ruta.toStdString());
    } catch (const rt::Error&) {
        return std::nullopt;  // an unreadable file reads as a missing one
    }
    bool dentro = false;
    for (const std::string& bruta : lineas) {
        const QString linea = sinBlancos(QString::fromStdString(bruta));
        if (linea.startsWith('[')) {
            const qsizetype cierre = linea.lastIndexOf(']');
            if (cierre < 0) continue;
            // Only the first section of the name is searched.
            if (dentro) return std::nullopt;
            dentro = linea.mid(1, cierre - 1).compare(seccion, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!dentro) continue;
        const qsizetype igual = linea.indexOf('=');
        const QString nombre = sinBlancos(igual < 0 ? linea : linea.left(igual));
        if (nombre.compare(clave, Qt::CaseInsensitive) != 0) continue;
        if (igual < 0) return std::nullopt;
        return sinComillas(sinBlancos(linea.mid(igual + 1)));
    }
    return std::nullopt;
}

}  // namespace

QString LeerPerfil(const QString& ruta, const QString& seccion, const QString& clave,
                   const QString& defecto, int tamano) {
    if (tamano < 1) return {};
    QString valor;
    if (auto hallado = buscar(ruta, seccion, clave)) {
        valor = *hallado;
    } else {
        qsizetype fin = defecto.size();
        while (fin > 1 && defecto[fin - 1] == ' ') --fin;
        valor = defecto.left(fin);
    }
    return valor.left(tamano - 1);
}

}  // namespace quelvo::plataforma
