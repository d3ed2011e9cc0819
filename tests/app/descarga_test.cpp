// The download of one small file, against a loopback server: what arrives
// whole is put in place, anything larger than a small file is given up as
// soon as it shows, and nothing of it is left behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/descarga.h"
#include "servidor_http.h"

using namespace quelvo::plataforma;
using prueba::ServidorHttp;

namespace {

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

constexpr int kLimiteMs = 6000;

// Where `destino` holds "anterior", alone in its folder.
void PonerAnterior(const QString& destino) {
    QFile anterior(destino);
    ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
    anterior.write("anterior");
}

void ComprobarResultado(const QString& destino, const QByteArray& esperado) {
    EXPECT_TRUE(Leer(destino) == esperado);
    // Nothing written aside is left beside it.
    EXPECT_EQ(QDir(QFileInfo(destino).path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"version.ini"}));
}

qsizetype HilosDelProceso() {
    return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

TEST(Descarga, AVersionFileArrivesAndAnythingFarLargerIsGivenUpAtOnceLeavingNothing) {
    const QByteArray ini = "[informacion]\r\ncurrentversion=1.2.3\r\n";
    const QByteArray justo(kTamanoMaximoDescarga, ';');
    const QByteArray grande(3 * kTamanoMaximoDescarga, ';');
    using Despues = ServidorHttp::Despues;
    const struct {
        const char* nombre;
        QByteArray respuesta;
        Despues despues;
        bool llega;
    } casos[] = {
        {"version file", ServidorHttp::Respuesta(ini), Despues::Cerrar, true},
        {"version file, length not announced", ServidorHttp::Cabeceras({}) + ini, Despues::Cerrar, true},
        {"as large as allowed", ServidorHttp::Respuesta(justo), Despues::Cerrar, true},
        {"one byte more, announced", ServidorHttp::Respuesta(justo + ";"), Despues::Cerrar, false},
        {"one byte more, not announced", ServidorHttp::Cabeceras({}) + justo + ";", Despues::Cerrar, false},
        {"too large, announced", ServidorHttp::Respuesta(grande), Despues::Cerrar, false},
        {"too large, not announced", ServidorHttp::Cabeceras({}) + grande, Despues::Cerrar, false},
        // Given up on the announcement, not when the time runs out.
        {"300 MiB announced, a little sent",
         ServidorHttp::Cabeceras(300 * 1024 * 1024) + ini, Despues::Callar, false},
        {"without end", ServidorHttp::Cabeceras({}), Despues::Repetir, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        QTemporaryDir carpeta;
        const QString destino = carpeta.path() + "/version.ini";
        PonerAnterior(destino);
        ServidorHttp servidor(c.respuesta, c.despues);

        QElapsedTimer reloj;
        reloj.start();
        EXPECT_EQ(DescargarArchivo(servidor.Direccion(), destino, kLimiteMs), c.llega);
        EXPECT_LT(reloj.elapsed(), kLimiteMs / 2);
        const QByteArray cuerpo = c.respuesta.mid(c.respuesta.indexOf("\r\n\r\n") + 4);
        ComprobarResultado(destino, c.llega ? cuerpo : QByteArray("anterior"));
    }
}

TEST(Descarga, WhateverTheServerSendsTheCallEndsByItsLimitAndNothingOfItGoesOnAfter) {
    constexpr int kLimiteCortoMs = 2000;
    const QByteArray ini = "[informacion]\r\ncurrentversion=1.2.3\r\n";
    const QByteArray estado = "HTTP/1.1 200 OK\r\n";
    const QByteArray bloque(64 * 1024, 'x');
    const struct {
        const char* nombre;
        QByteArray respuesta;
        QByteArray relleno;  // sent again and again after the reply; none: the server closes
        int cadaMs;
    } casos[] = {
        {"header lines without end", estado, "X-Relleno: " + QByteArray(1000, 'x') + "\r\n", 0},
        {"one header without end", estado + "X-Relleno: ", bloque, 0},
        {"body without end", ServidorHttp::Cabeceras({}), bloque, 0},
        {"a byte now and then, past the limit", ServidorHttp::Cabeceras({}), "x", 100},
        {"version file", ServidorHttp::Respuesta(ini), {}, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        QTemporaryDir carpeta;
        const QString destino = carpeta.path() + "/version.ini";
        PonerAnterior(destino);
        const bool llega = c.relleno.isEmpty();
        auto servidor = llega ? std::make_unique<ServidorHttp>(c.respuesta)
                              : std::make_unique<ServidorHttp>(c.respuesta, c.relleno, c.cadaMs);
        const qsizetype hilos = HilosDelProceso();

        QElapsedTimer reloj;
        reloj.start();
        EXPECT_EQ(DescargarArchivo(servidor->Direccion(), destino, kLimiteCortoMs), llega);
        EXPECT_LT(reloj.elapsed(), kLimiteCortoMs + 1500);
        ComprobarResultado(destino, llega ? ini : QByteArray("anterior"));
        // The server sees the connection closed, and no thread is left reading it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return servidor->abiertas == 0; }, 1000));
        EXPECT_LE(HilosDelProceso(), hilos);
    }
}

}  // namespace
