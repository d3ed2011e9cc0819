#include "exchange/claves_importacion.h"

#include "db/general.h"
#include "exchange/numero_estricto.h"
#include "quelvort/strings.h"

namespace quelvodat::Importacion {

namespace {

std::string clave(const std::string& linea) { return rt::Mid(linea, 22, 1); }
bool esDigito(const std::string& c) { return General::EsNumerico(c); }
std::string marca(const std::string& c) { return c == "T" ? "X" : " "; }

// Characters from..from+n-1, blank-filled when the line is shorter.
std::string tramo(const std::string& linea, int32_t desde, int32_t n) {
    std::string t = rt::Mid(linea, desde, n);
    return t + rt::Space(n - rt::Len(t));
}

// 1-21, the key, 23-89 and the mark at 90, followed by `resto`.
std::string conClaveYMarca(const std::string& linea, const std::string& nueva,
                           const std::string& mark, const std::string& resto) {
    return tramo(linea, 1, 21) + nueva + tramo(linea, 23, 67) + mark + resto;
}

// A 2010 line in the older positions: sign and rectification (90-96) behind
// the mark, blanks to 190.
std::string aPosicionesAnteriores(const std::string& linea, const std::string& nueva,
                                  const std::string& mark) {
    return conClaveYMarca(linea, nueva, mark, tramo(linea, 90, 7) + rt::Space(93));
}

int32_t mesDeLinea(const std::string& linea) {
    return EnteroEstricto(General::MesDePeriodo(rt::Mid(linea, 9, 2))).value_or(0);
}

}  // namespace

std::string ConvertirClaveAnt(const std::string& strLinea, int32_t lngEjercicioLinea) {
    const std::string c = clave(strLinea);
    const bool rectificacion = !rt::Trim(rt::Mid(strLinea, 90, 6)).empty();
    std::string nueva = c;
    if (c == "E" || c == "S" || c == "H" || c == "M" || c == "T")
        nueva = rectificacion ? "3" : "1";
    else if (c == "A" || c == "I")
        nueva = rectificacion ? "4" : "2";
    if (lngEjercicioLinea >= 2010) return aPosicionesAnteriores(strLinea, nueva, marca(c));
    return conClaveYMarca(strLinea, nueva, marca(c), tramo(strLinea, 91, 100));
}

std::string ConvertirClave2010A(const std::string& strLinea) {
    const std::string c = clave(strLinea);
    const bool triangular = rt::Mid(strLinea, 90, 1) == "X";
    std::string nueva = c;
    if (c == "1" || c == "3")
        nueva = triangular ? "T" : "E";
    else if (c == "2" || c == "4")
        nueva = triangular ? "T" : "A";
    return tramo(strLinea, 1, 21) + nueva + rt::Mid(strLinea, 23) + " ";
}

std::string ConvertirClave2010B(const std::string& strLinea, int32_t lngEjercicioLinea) {
    const std::string c = clave(strLinea);
    const std::string nueva = (c == "H" || c == "M") ? "E" : c;
    if (lngEjercicioLinea >= 2010) return tramo(strLinea, 1, 21) + nueva + rt::Mid(strLinea, 23);
    return conClaveYMarca(strLinea, nueva, marca(nueva), tramo(strLinea, 91, 100));
}

std::string ConvertirClave2010C(const std::string& strLinea, int32_t lngEjercicioLinea) {
    if (lngEjercicioLinea >= 2010) return strLinea;
    const std::string c = clave(strLinea);
    return conClaveYMarca(strLinea, c, marca(c), tramo(strLinea, 91, 100));
}

std::string LineaParaDeclaracionAnterior(const std::string& strLinea, int32_t lngEjercicioLinea) {
    const std::string c = clave(strLinea);
    if (!esDigito(c)) return ConvertirClaveAnt(strLinea, lngEjercicioLinea);
    if (lngEjercicioLinea >= 2010) return aPosicionesAnteriores(strLinea, c, " ");
    return strLinea;
}

std::string LineaParaDeclaracion2010(const std::string& strLinea, int32_t lngEjercicioLinea,
                                     int32_t lngEjercicio, int32_t lngPeriodo) {
    const bool digito = esDigito(clave(strLinea));
    const int64_t periodoLinea = int64_t{lngEjercicioLinea} * 100 + mesDeLinea(strLinea);
    const int64_t periodoDeclaracion = int64_t{lngEjercicio} * 100 + lngPeriodo;
    if (lngEjercicioLinea < 2010 && digito) return ConvertirClave2010A(strLinea);
    if (periodoLinea > 201106 && !digito && periodoDeclaracion <= 201106)
        return ConvertirClave2010B(strLinea, lngEjercicioLinea);
    if (!digito && lngEjercicioLinea >= 2010) return ConvertirClave2010C(strLinea, lngEjercicioLinea);
    return strLinea;
}

std::string EnPosiciones2010(const std::string& strLinea, int32_t lngEjercicioLinea) {
    if (lngEjercicioLinea >= 2010) return strLinea;
    return tramo(strLinea, 1, 89) + tramo(strLinea, 91, 7) + rt::Mid(strLinea, 98);
}

}  // namespace quelvodat::Importacion
