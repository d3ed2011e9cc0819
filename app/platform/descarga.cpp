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

namespace {

// How much of a reply is read from the connection at a time.
constexpr qint64 kBloqueLectura = 64 * 1024;

}  // namespace

bool EsDireccionWeb(const QString& direccion) {
    const QUrl url(direccion, QUrl::StrictMode);
    const QString esquema = url.scheme().toLower();
    return url.isValid() && (esquema == "http" || esquema == "https") && !url.host().isEmpty();
}

bool DescargarArchivo(const QString& direccion, const QString& destino, int limiteMs) {
    // The manager also reads local and resource files; a download is web only.
    if (!EsDireccionWeb(direccion)) return false;
    const QUrl url(direccion, QUrl::StrictMode);

    // The reply goes to a file aside as it arrives; it replaces `destino`
    // only once whole, and is discarded otherwise.
    QSaveFile archivo(destino);
    if (!archivo.open(QIODevice::WriteOnly)) return false;

    QNetworkAccessManager red;
    QNetworkRequest peticion(url);
    std::unique_ptr<QNetworkReply> respuesta(red.get(peticion));
    // What is not read yet waits in the connection, not in memory.
    respuesta->setReadBufferSize(kBloqueLectura);

    QEventLoop espera;
    QTimer limite;
    limite.setSingleShot(true);
    bool fallida = false;
    qint64 recibidos = 0;
    auto dejar = [&] {
        fallida = true;
        respuesta->abort();
    };
    // A reply larger than any file this fetches is given up as soon as it
    // shows: announced, or grown past the size while arriving.
    auto guardar = [&] {
        if (fallida) return;
        const QByteArray trozo = respuesta->readAll();
        recibidos += trozo.size();
        if (recibidos > kTamanoMaximoDescarga || archivo.write(trozo) != trozo.size()) dejar();
    };
    QObject::connect(&limite, &QTimer::timeout, &espera, dejar);
    QObject::connect(respuesta.get(), &QNetworkReply::metaDataChanged, &espera, [&] {
        const QVariant anunciada = respuesta->header(QNetworkRequest::ContentLengthHeader);
        if (anunciada.isValid() && anunciada.toLongLong() > kTamanoMaximoDescarga) dejar();
    });
    QObject::connect(respuesta.get(), &QNetworkReply::readyRead, &espera, guardar);
    QObject::connect(respuesta.get(), &QNetworkReply::finished, &espera, &QEventLoop::quit);
    limite.start(limiteMs);
    if (!respuesta->isFinished()) espera.exec(QEventLoop::ExcludeUserInputEvents);
    limite.stop();
    guardar();

    if (fallida || respuesta->error() != QNetworkReply::NoError) return false;
    const int estado = respuesta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (estado < 200 || estado > 299) return false;
    return archivo.commit();
}

}  // namespace quelvo::plataforma
