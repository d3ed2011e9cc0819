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
// writing it aside as it arrives. Blocks the caller until the transfer ends;
// only network events run meanwhile, no user input. Answers true only when
// the server replied with a 2xx status within `limiteMs`, the body was no
// larger than kTamanoMaximoDescarga and the file was written whole; a larger
// body is given up as soon as it is announced or arrives. Otherwise
// `destino` is left as it was and nothing is left beside it.
bool DescargarArchivo(const QString& direccion, const QString& destino,
                      int limiteMs = kLimiteDescargaMs);

}  // namespace quelvo::plataforma
