#pragma once
// The import log's lines as a UTF-8 editor shows them: the bytes are read as
// they are, and every line must end in CR LF.
#include <QFile>
#include <string>
#include <vector>

#include "exchange/registro_importacion.h"

inline std::vector<std::string> Registro() {
    QFile fichero(QString::fromStdString(quelvo::RutaRegistroImportacion()));
    if (!fichero.open(QIODevice::ReadOnly)) return {};
    const std::string todo = fichero.readAll().toStdString();
    std::vector<std::string> lineas;
    size_t desde = 0;
    while (desde < todo.size()) {
        const size_t fin = todo.find("\r\n", desde);
        if (fin == std::string::npos) {
            lineas.push_back(todo.substr(desde) + "<no CR LF>");
            break;
        }
        lineas.push_back(todo.substr(desde, fin - desde));
        desde = fin + 2;
    }
    return lineas;
}
