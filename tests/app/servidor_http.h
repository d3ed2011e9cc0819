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
#include <QTimer>
#include <memory>
#include <optional>

namespace prueba {

class ServidorHttp {
public:
    // What the server does once it has written its reply.
    enum class Despues {
        Cerrar,    // closes the connection
        Callar,    // keeps it open and silent
        Repetir,   // goes on sending its filler, as a reply without end would
    };

    // `respuesta` empty: the server keeps every connection open and silent.
    explicit ServidorHttp(QByteArray respuesta)
        : ServidorHttp(respuesta, respuesta.isEmpty() ? Despues::Callar : Despues::Cerrar) {}

    ServidorHttp(QByteArray respuesta, Despues despues)
        : ServidorHttp(std::move(respuesta), despues, QByteArray(64 * 1024, 'x'), 0) {}

    // After `respuesta`, `relleno` again and again: every `cadaMs`, or as
    // fast as the client takes it when 0.
    ServidorHttp(QByteArray respuesta, QByteArray relleno, int cadaMs)
        : ServidorHttp(std::move(respuesta), Despues::Repetir, std::move(relleno), cadaMs) {}

    ServidorHttp(QByteArray respuesta, Despues despues, QByteArray relleno, int cadaMs)
        : respuesta_(std::move(respuesta)), relleno_(std::move(relleno)), cadaMs_(cadaMs) {
        servidor_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&servidor_, &QTcpServer::newConnection, [this, despues] {
            while (QTcpSocket* s = servidor_.nextPendingConnection()) {
                ++abiertas;
                QObject::connect(s, &QTcpSocket::disconnected, s, [this] { --abiertas; });
                auto recibido = std::make_shared<QByteArray>();
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, recibido, despues] {
                    *recibido += s->readAll();
                    if (!recibido->contains("\r\n\r\n")) return;
                    peticiones << recibido->left(recibido->indexOf("\r\n"));
                    recibido->clear();
                    if (!respuesta_.isEmpty()) Escribir(s, respuesta_);
                    if (despues == Despues::Cerrar) s->disconnectFromHost();
                    if (despues == Despues::Repetir) Seguir(s);
                });
            }
        });
    }

    // A reply with this status and body.
    static QByteArray Respuesta(const QByteArray& cuerpo, int estado = 200) {
        return Cabeceras(cuerpo.size(), estado) + cuerpo;
    }

    // The head of a reply, announcing `longitud` bytes of body or, without
    // it, a body that ends when the connection does.
    static QByteArray Cabeceras(std::optional<qint64> longitud, int estado = 200) {
        QByteArray cabeceras = "HTTP/1.1 " + QByteArray::number(estado) + (estado == 200 ? " OK" : " Error") +
                               "\r\nContent-Type: text/plain\r\n";
        if (longitud) cabeceras += "Content-Length: " + QByteArray::number(*longitud) + "\r\n";
        return cabeceras + "Connection: close\r\n\r\n";
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
    // Bytes handed to the connections.
    qint64 enviados = 0;
    // Connections the client has not closed yet.
    int abiertas = 0;

    // A reply without end stops here all the same, so that a client that
    // never stops reading cannot take the machine's memory.
    static constexpr qint64 kTopeRepetir = 64 * 1024 * 1024;

private:
    // The filler once more each time the last has left or the interval has
    // passed, until the client goes.
    void Seguir(QTcpSocket* s) {
        auto otroMas = [this, s] {
            if (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() == 0 &&
                enviados < kTopeRepetir)
                Escribir(s, relleno_);
        };
        if (cadaMs_ > 0) {
            auto* reloj = new QTimer(s);
            QObject::connect(reloj, &QTimer::timeout, s, otroMas);
            reloj->start(cadaMs_);
        } else {
            QObject::connect(s, &QTcpSocket::bytesWritten, s, otroMas);
        }
        Escribir(s, relleno_);
    }

    void Escribir(QTcpSocket* s, const QByteArray& bytes) {
        if (const qint64 n = s->write(bytes); n > 0) enviados += n;
    }

    QByteArray respuesta_;
    QByteArray relleno_;
    int cadaMs_;
    QTcpServer servidor_;
};

}  // namespace prueba
