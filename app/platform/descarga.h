#pragma once
// Fetching one small file from a web address into a local file.
#include <QString>

namespace quelvo::plataforma {

// How long a download may take before it counts as failed.
inline constexpr int kLimiteDescargaMs = 15000;

// The largest reply a download takes: far above any version file, far below
// what would weigh on memory or the disk.
inline constexpr qint64 kTamanoMaximoDescarga = 1024 * 1024;

// True for an absolute http or https address with a host.
bool EsDireccionWeb(const QString& direccion);

// GETs an http or https address and puts the whole reply body at `destino`,
// writing it aside as it arrives. Follows a few redirects, never from https
// to http, and uses no proxy. Blocks the caller, with events other than user
// input running meanwhile, and returns within `limiteMs` whatever the server
// sends: a reply head far longer than any real one, or a body larger than
// kTamanoMaximoDescarga, is given up as soon as it is announced or arrives.
// Once it returns nothing of the transfer goes on: no connection left open,
// nothing reading; only a name lookup the system has not answered is left to
// end on its own, idle. Answers true only when the server replied with a 2xx status in
// time and the file was written whole; otherwise `destino` is left as it was
// and nothing is left beside it.
bool DescargarArchivo(const QString& direccion, const QString& destino,
                      int limiteMs = kLimiteDescargaMs);

}  // namespace quelvo::plataforma
