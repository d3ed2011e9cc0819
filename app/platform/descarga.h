#pragma once
// Fetching one small file from a web address into a local file.
#include <QString>

namespace quelvo::plataforma {

// How long a download may take before it counts as failed.
inline constexpr int kLimiteDescargaMs = 15000;

// True for an absolute http or https address with a host.
bool EsDireccionWeb(const QString& direccion);

// GETs an http or https address and puts the whole reply body at `destino`.
// Blocks the caller until the transfer ends; only network events run
// meanwhile, no user input. Answers true only when the server replied with a
// 2xx status within `limiteMs` and the file was written whole; otherwise
// `destino` is left as it was.
bool DescargarArchivo(const QString& direccion, const QString& destino,
                      int limiteMs = kLimiteDescargaMs);

}  // namespace quelvo::plataforma
