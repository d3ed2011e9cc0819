#pragma once
// A tiny HTTP server on 127.0.0.1 for the download tests: it answers every
// request with one canned reply, or accepts and never answers. Nothing but
// the loopback address is ever contacted.
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace prueba {

class ServidorHttp {
public:
    // `respuesta` empty: the server keeps every connection open and silent.
    explicit ServidorHttp(QByteArray respuesta) : respuesta_(std::move(respuesta)) {
        servidor_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&servidor_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = servidor_.nextPendingConnection()) {
                auto recibido = std::make_shared<QByteArray>();
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, recibido] {
                    *recibido += s->readAll();
                    if (!recibido->contains("\r\n\r\n")) return;
                    peticiones << recibido->left(recibido->indexOf("\r\n"));
                    recibido->clear();
                    if (respuesta_.isEmpty()) return;
                    s->write(respuesta_);
                    s->disconnectFromHost();
                });
            }
        });
    }

    // A reply with this status and body.
    static QByteArray Respuesta(const QByteArray& cuerpo, int estado = 200) {
        return "HTTP/1.1 " + QByteArray::number(estado) + (estado == 200 ? " OK" : " Error") +
               "\r\nContent-Type: text/plain\r\nContent-Length: " +
               QByteArray::number(cuerpo.size()) + "\r\nConnection: close\r\n\r\n" + cuerpo;
    }

    QString Direccion() const {
        return QStringLiteral("http://127.0.0.1:%1/version").arg(servidor_.serverPort());
    }

    // An address on the loopback where nothing listens.
    static QString DireccionCerrada() {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        const quint16 puerto = s.serverPort();
        s.close();
        return QStringLiteral("http://127.0.0.1:%1/version").arg(puerto);
    }

    // The request lines received ("GET /version?... HTTP/1.1").
    QList<QByteArray> peticiones;

private:
    QByteArray respuesta_;
    QTcpServer servidor_;
};

}  // namespace prueba
