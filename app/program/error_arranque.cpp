#include "program/error_arranque.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include "services/globales.h"

namespace quelvo {

namespace {

constexpr std::string_view kLugarMain = "General.Main";

// Locations the data server puts in front, each followed by one blank
// ("cTraspaso.Traspaso ").
const QRegularExpression kLugarServidor(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*\\.[A-Za-z_][A-Za-z0-9_]*) "));
// The engine names the file it could not open at the end of its message.
const QRegularExpression kArchivo(QStringLiteral(": '([^']+)'$"));

}  // namespace

QString TextoErrorArranque(const rt::Error& e, std::string_view lugarPaso) {
    QStringList lugares{QString::fromUtf8(kLugarMain.data(), kLugarMain.size())};
    QString mensaje = QString::fromStdString(e.Description);
    // A step puts its location in front and a line break behind.
    const QString paso = QString::fromUtf8(lugarPaso.data(), static_cast<int>(lugarPaso.size()));
    if (!paso.isEmpty() && mensaje.startsWith(paso)) {
        lugares << paso;
        mensaje = mensaje.mid(paso.size());
        if (mensaje.endsWith("\r\n")) mensaje.chop(2);
    }
    for (auto m = kLugarServidor.match(mensaje); m.hasMatch(); m = kLugarServidor.match(mensaje)) {
        lugares << m.captured(1);
        mensaje = mensaje.mid(m.capturedLength(0));
    }
    mensaje = mensaje.trimmed();
    const auto archivo = kArchivo.match(mensaje);

    const bool eu = lngIdioma == kOffsetEuskera;
    QString texto = eu ? QStringLiteral("Programa ezin izan da abiarazi.\n\n%1 errorea, lekua: %2\n%3")
                       : QStringLiteral("El programa no ha podido iniciarse.\n\nError %1 en %2\n%3");
    texto = texto.arg(e.Number).arg(lugares.join(QStringLiteral(" > ")), mensaje);
    if (archivo.hasMatch())
        texto += (eu ? QStringLiteral("\n\nEzin izan da fitxategi hau ireki: %1")
                     : QStringLiteral("\n\nNo se ha podido abrir el archivo %1"))
                     .arg(archivo.captured(1));
    return texto;
}

void MostrarErrorArranque(const rt::Error& e, std::string_view lugarPaso) {
    QMessageBox caja(QMessageBox::Critical, "Quelvo", TextoErrorArranque(e, lugarPaso));
    caja.setObjectName("ErrorArranque");
    caja.exec();
}

int PreguntarArranque(const QString& nombre, const QString& texto, const std::vector<BotonArranque>& botones) {
    QMessageBox caja(QMessageBox::Warning, "Quelvo", texto);
    caja.setObjectName(nombre);
    std::vector<QAbstractButton*> creados;
    for (const auto& boton : botones) {
        QPushButton* b = caja.addButton(boton.texto, QMessageBox::AcceptRole);
        b->setObjectName(boton.nombre);
        creados.push_back(b);
    }
    if (!creados.empty()) {
        caja.setDefaultButton(static_cast<QPushButton*>(creados.back()));
        caja.setEscapeButton(creados.back());
    }
    caja.exec();
    for (size_t i = 0; i < creados.size(); ++i)
        if (caja.clickedButton() == creados[i]) return static_cast<int>(i);
    return static_cast<int>(creados.size()) - 1;
}

}  // namespace quelvo
