#include "printing/campos_registro.h"

#include <array>

#include "quelvort/strings.h"
#include "services/catalogo.h"
#include "services/globales.h"

namespace quelvo {

namespace {

// Where the typed-text fields of each record stand (first and last position)
// and the caption that names them: a catalog id, or a fixed pair of texts.
struct CampoTexto {
    char tipo;
    // 0 both layouts, 1 only up to 2009 (190 characters), 2 only from 2010.
    int diseno;
    int desde, hasta;
    int idCatalogo;
    const char* castellano = nullptr;
    const char* euskera = nullptr;
};

constexpr int kDesde2010 = 2;
constexpr int kHasta2009 = 1;
constexpr int kLargoHasta2009 = 190;

constexpr std::array<CampoTexto, 17> kCampos{{
    {'0', 0, 13, 21, 225},
    {'0', 0, 22, 61, 235},
    {'0', 0, 62, 63, 0, "Tipo de vía", "Kale mota"},
    {'0', 0, 64, 83, 134},
    {'0', 0, 89, 90, 176},
    {'0', 0, 91, 92, 253},
    {'0', 0, 93, 94, 221},
    {'0', 0, 100, 111, 224},
    {'0', 0, 136, 175, 251},
    {'1', 0, 13, 21, 225},
    {'1', 0, 22, 61, 235},
    {'1', kHasta2009, 125, 164, 251},
    {'1', kDesde2010, 103, 142, 251},
    {'2', 0, 13, 21, 225},
    {'2', 0, 23, 24, 250},
    {'2', 0, 25, 36, 225},
    {'2', 0, 37, 76, 235},
}};

}  // namespace

QString CampoDeRegistro(std::string_view registro, int posicion) {
    if (registro.empty()) return {};
    const int diseno = rt::Len(registro) > kLargoHasta2009 ? kDesde2010 : kHasta2009;
    for (const CampoTexto& c : kCampos) {
        if (c.tipo != registro.front() || (c.diseno != 0 && c.diseno != diseno)) continue;
        if (posicion < c.desde || posicion > c.hasta) continue;
        if (c.idCatalogo != 0) return Cat(c.idCatalogo);
        return QString::fromUtf8(lngIdioma == 0 ? c.castellano : c.euskera);
    }
    return {};
}

}  // namespace quelvo
