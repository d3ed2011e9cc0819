#include "platform/descarga.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace quelvo::plataforma {

bool EsDireccionWeb(const QString& direccion) {
    const QUrl url(direccion, QUrl::StrictMode);
    const QString esquema = url.scheme().toLower();
    return url.isValid() && (esquema == "http" || esquema == "https") && !url.host().isEmpty();
}

bool DescargarArchivo(const QString& direccion, const QString& destino, int limiteMs) {
    // The manager also reads local and resource files; a download is web only.
    if (!EsDireccionWeb(direccion)) return false;
    const QUrl url(direccion, QUrl::StrictMode);

    QNetworkAccessManager red;
    QNetworkRequest peticion(url);
    std::unique_ptr<QNetworkReply> respuesta(red.get(peticion));

    QEventLoop espera;
    QTimer limite;
    limite.setSingleShot(true);
    bool agotado = false;
    QObject::connect(&limite, &QTimer::timeout, &espera, [&] {
        agotado = true;
        respuesta->abort();
    });
    QObject::connect(respuesta.get(), &QNetworkReply::finished, &espera, &QEventLoop::quit);
    limite.start(limiteMs);
    if (!respuesta->isFinished()) espera.exec(QEventLoop::ExcludeUserInputEvents);
    limite.stop();

    if (agotado || respuesta->error() != QNetworkReply::NoError) return false;
    const int estado = respuesta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (estado < 200 || estado > 299) return false;

    QSaveFile archivo(destino);
    if (!archivo.open(QIODevice::WriteOnly)) return false;
    const QByteArray cuerpo = respuesta->readAll();
    if (archivo.write(cuerpo) != cuerpo.size()) {
        archivo.cancelWriting();
        return false;
    }
    return archivo.commit();
}

}  // namespace quelvo::plataforma
