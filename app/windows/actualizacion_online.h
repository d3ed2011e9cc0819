#pragma once
// The program's own version and the online check for a newer release.
#include <QString>
#include <cstdint>

#include "platform/descarga.h"

namespace quelvo {

// Outcomes of a download and of reading the reply (SitAct keeps the last).
inline constexpr int32_t kDescargaFallida = 1;
inline constexpr int32_t kRespuestaLeida = 3;
inline constexpr int32_t kRespuestaIlegible = 4;
inline constexpr int32_t kErrorPeticion = 4;

// Fills the installed version of objActOnline (ActFile, ProgVer1-3) and the
// program-wide strVersion and strVersionProducto.
void DisplayVerInfo();

// The version as the splash and about windows show it: "Versión 1.2.3" in
// Spanish, "1.2.3 bertsioa" in Basque.
QString TextoVersion();

// One whole check with its windows: waits up to `esperaSegundos` on the
// whole-second clock, downloads the version file, and shows the failure
// window, or the version window when the published version differs (or
// always while the preferences window is open).
void ComprobarActualizacion(int limiteDescargaMs = plataforma::kLimiteDescargaMs,
                            int esperaSegundos = 1);

// Fetches the version file for this form and language: 3 it arrived, 1 the
// download failed or timed out, 4 the old file could not be removed (kErrorPeticion).
int32_t DescargarVersion(int limiteDescargaMs = plataforma::kLimiteDescargaMs);

// 3 when the address was fetched into `ruta`, else 1.
int32_t DescargarFichero(const QString& direccion, const QString& ruta,
                         int limiteDescargaMs = plataforma::kLimiteDescargaMs);

// A value of the version file; a missing one reads as " ", at most 1023
// characters arrive.
QString LeerIni(const QString& seccion, const QString& clave, const QString& ruta);

// Reads the published version, download address and description into
// objActOnline and compares the version with the installed one: 0 read, 4
// the version is missing or has fewer than three parts.
int32_t LeerVersionIni();

// Where the version file is put: the work folder, which the user can write.
QString RutaVersionIni();

}  // namespace quelvo
