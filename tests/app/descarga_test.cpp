// The download of one small file, against a loopback server: what arrives
// whole is put in place, anything larger than a small file is given up as
// soon as it shows, and nothing of it is left behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

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
        QFile anterior(destino);
        ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
        anterior.write("anterior");
        anterior.close();
        ServidorHttp servidor(c.respuesta, c.despues);

        QElapsedTimer reloj;
        reloj.start();
        EXPECT_EQ(DescargarArchivo(servidor.Direccion(), destino, kLimiteMs), c.llega);
        EXPECT_LT(reloj.elapsed(), kLimiteMs / 2);
        const QByteArray cuerpo = c.respuesta.mid(c.respuesta.indexOf("\r\n\r\n") + 4);
        EXPECT_TRUE(Leer(destino) == (c.llega ? cuerpo : QByteArray("anterior")));
        // Nothing written aside is left beside it.
        EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"version.ini"}));
    }
}

}  // namespace
