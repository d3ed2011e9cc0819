#include "platform/descarga.h"

#include <curl/curl.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSaveFile>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace quelvo::plataforma {

namespace {

// A version file's reply head takes a few hundred bytes; a server that goes
// on sending head lines is given up long before they weigh on anything.
constexpr qint64 kTamanoMaximoCabeceras = 64 * 1024;

// Moved addresses are followed, but not round and round.
constexpr long kRedireccionesMaximas = 10;

// How long one wait on the connection may keep the window's events waiting.
constexpr int kTurnoMs = 10;

struct LiberarFacil {
    void operator()(CURL* facil) const { curl_easy_cleanup(facil); }
};
struct LiberarMulti {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
// Takes the transfer out of the multi handle before either is freed.
struct Retirar {
    CURLM* multi;
    void operator()(CURL* facil) const { curl_multi_remove_handle(multi, facil); }
};

struct Recepcion {
    QSaveFile& archivo;
    qint64 cabeceras = 0;
    qint64 cuerpo = 0;
};

// Answering less than was handed over stops the transfer.
size_t RecibirCabecera(char*, size_t, size_t bytes, void* datos) {
    auto* recepcion = static_cast<Recepcion*>(datos);
    recepcion->cabeceras += qint64(bytes);
    return recepcion->cabeceras > kTamanoMaximoCabeceras ? 0 : bytes;
}

size_t RecibirCuerpo(char* trozo, size_t, size_t bytes, void* datos) {
    auto* recepcion = static_cast<Recepcion*>(datos);
    recepcion->cuerpo += qint64(bytes);
    if (recepcion->cuerpo > kTamanoMaximoDescarga) return 0;
    return recepcion->archivo.write(trozo, qint64(bytes)) == qint64(bytes) ? bytes : 0;
}

bool Iniciada() {
    static const bool iniciada = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return iniciada;
}

// Sets up the GET of `url`: web only, never from https down to http, and
// through no proxy, as the program always fetched.
bool Preparar(CURL* facil, const QUrl& url, int limiteMs, Recepcion& recepcion) {
    const QByteArray direccion = url.toEncoded();
    const char* redirecciones = url.scheme().toLower() == "https" ? "https" : "http,https";
    const CURLcode opciones[] = {
        curl_easy_setopt(facil, CURLOPT_URL, direccion.constData()),
        curl_easy_setopt(facil, CURLOPT_PROTOCOLS_STR, "http,https"),
        curl_easy_setopt(facil, CURLOPT_REDIR_PROTOCOLS_STR, redirecciones),
        curl_easy_setopt(facil, CURLOPT_FOLLOWLOCATION, 1L),
        curl_easy_setopt(facil, CURLOPT_MAXREDIRS, kRedireccionesMaximas),
        curl_easy_setopt(facil, CURLOPT_PROXY, ""),
        curl_easy_setopt(facil, CURLOPT_USERAGENT, "Mozilla/5.0"),
        curl_easy_setopt(facil, CURLOPT_ACCEPT_ENCODING, ""),
        curl_easy_setopt(facil, CURLOPT_NOSIGNAL, 1L),
        // A name lookup that hangs is left to end on its own rather than
        // waited for past the limit.
        curl_easy_setopt(facil, CURLOPT_QUICK_EXIT, 1L),
        curl_easy_setopt(facil, CURLOPT_TIMEOUT_MS, long(limiteMs)),
        curl_easy_setopt(facil, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(kTamanoMaximoDescarga)),
        curl_easy_setopt(facil, CURLOPT_HEADERFUNCTION, RecibirCabecera),
        curl_easy_setopt(facil, CURLOPT_HEADERDATA, &recepcion),
        curl_easy_setopt(facil, CURLOPT_WRITEFUNCTION, RecibirCuerpo),
        curl_easy_setopt(facil, CURLOPT_WRITEDATA, &recepcion),
    };
    return std::all_of(std::begin(opciones), std::end(opciones),
                       [](CURLcode c) { return c == CURLE_OK; });
}

}  // namespace

bool EsDireccionWeb(const QString& direccion) {
    const QUrl url(direccion, QUrl::StrictMode);
    const QString esquema = url.scheme().toLower();
    return url.isValid() && (esquema == "http" || esquema == "https") && !url.host().isEmpty();
}

bool DescargarArchivo(const QString& direccion, const QString& destino, int limiteMs) {
    if (!EsDireccionWeb(direccion) || !Iniciada()) return false;
    QElapsedTimer reloj;
    reloj.start();

    // The reply goes to a file aside as it arrives; it replaces `destino`
    // only once whole, and is discarded otherwise.
    QSaveFile archivo(destino);
    if (!archivo.open(QIODevice::WriteOnly)) return false;
    Recepcion recepcion{archivo};

    const std::unique_ptr<CURLM, LiberarMulti> multi(curl_multi_init());
    const std::unique_ptr<CURL, LiberarFacil> facil(curl_easy_init());
    if (!multi || !facil || !Preparar(facil.get(), QUrl(direccion, QUrl::StrictMode), limiteMs, recepcion))
        return false;
    if (curl_multi_add_handle(multi.get(), facil.get()) != CURLM_OK) return false;
    const std::unique_ptr<CURL, Retirar> dentro(facil.get(), Retirar{multi.get()});

    // The transfer runs on this thread, a turn at a time, with the window's
    // events but no user input in between; our own clock stops it too, so
    // the call never outlasts its limit, and once it returns the handles are
    // freed and the connection closed: nothing of it goes on.
    int enCurso = 1;
    while (true) {
        if (curl_multi_perform(multi.get(), &enCurso) != CURLM_OK) return false;
        if (enCurso == 0) break;
        const qint64 restante = limiteMs - reloj.elapsed();
        if (restante <= 0) return false;
        curl_multi_poll(multi.get(), nullptr, 0, int(std::min<qint64>(kTurnoMs, restante)), nullptr);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    int quedan = 0;
    const CURLMsg* fin = curl_multi_info_read(multi.get(), &quedan);
    if (!fin || fin->msg != CURLMSG_DONE || fin->data.result != CURLE_OK) return false;
    long estado = 0;
    curl_easy_getinfo(facil.get(), CURLINFO_RESPONSE_CODE, &estado);
    if (estado < 200 || estado > 299) return false;
    return archivo.commit();
}

}  // namespace quelvo::plataforma
