#include "exchange/diseno_registros.h"

#include <cmath>

#include "db/general.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {
constexpr const char* kSource = "Quelvodat";

std::string textoDeValor(const rt::Variant& valor) {
    if (valor.isNull()) return "Null";
    if (valor.isArray()) return "(matriz)";
    return rt::CStr(valor);
}

std::string prefijo(const Diseno& diseno, const Campo& campo) {
    return std::string(diseno.registro) + ", campo \"" + std::string(campo.nombre) + "\": ";
}

double comoNumero(const Diseno& diseno, const Campo& campo, const rt::Variant& valor) {
    try {
        return rt::CDbl(valor);
    } catch (const rt::Error& e) {
        throw rt::Error(
            e.Number, e.Source,
            prefijo(diseno, campo) + "el valor \"" + textoDeValor(valor) + "\" no es un número");
    }
}

std::string numero(const Diseno& diseno, const Campo& campo, const rt::Variant& valor) {
    double d = comoNumero(diseno, campo, valor);
    // The layouts carry a sign, where they have one, in a field of its own.
    if (rt::RoundHalfAwayFromZero(d) < 0)
        throw rt::Error(rt::err::InvalidArgument, kSource,
                        prefijo(diseno, campo) + "el valor " + rt::FormatDouble(d) +
                            " es negativo y el campo no admite signo");
    try {
        return General::RellenarNumero(d, static_cast<int16_t>(campo.ancho), "0");
    } catch (const rt::Error& e) {
        throw rt::Error(e.Number, e.Source, prefijo(diseno, campo) + e.Description);
    }
}
}  // namespace

const Campo& Diseno::campo(std::string_view nombre) const {
    for (const Campo& c : campos)
        if (c.nombre == nombre) return c;
    throw rt::Error(rt::err::InvalidArgument, kSource,
                    std::string(registro) + " no tiene el campo \"" + std::string(nombre) + "\"");
}

LineaFija::LineaFija(const Diseno& diseno)
    : diseno_(diseno), textos_(diseno.campos.size()), puestos_(diseno.campos.size(), false) {
    for (size_t i = 0; i < diseno.campos.size(); ++i) {
        const Campo& c = diseno.campos[i];
        if (c.clase == ClaseCampo::L) {
            textos_[i] = std::string(c.literal);
            puestos_[i] = true;
        } else if (c.clase == ClaseCampo::B) {
            textos_[i] = rt::Space(c.ancho);
            puestos_[i] = true;
        }
    }
}

LineaFija& LineaFija::Poner(std::string_view nombre, const rt::Variant& valor) {
    const Campo& c = diseno_.campo(nombre);
    size_t i = static_cast<size_t>(&c - diseno_.campos.data());
    switch (c.clase) {
        case ClaseCampo::N:
            textos_[i] = numero(diseno_, c, valor);
            break;
        case ClaseCampo::T:
            textos_[i] = General::RellenarTexto(valor.isNull() ? std::string() : rt::CStr(valor),
                                                static_cast<int16_t>(c.ancho), " ");
            break;
        case ClaseCampo::L:
        case ClaseCampo::B:
            throw rt::Error(rt::err::InvalidArgument, kSource,
                            prefijo(diseno_, c) + "el campo es fijo y no recibe valor");
    }
    puestos_[i] = true;
    return *this;
}

LineaFija& LineaFija::Blanco(std::string_view nombre) {
    const Campo& c = diseno_.campo(nombre);
    size_t i = static_cast<size_t>(&c - diseno_.campos.data());
    textos_[i] = rt::Space(c.ancho);
    puestos_[i] = true;
    return *this;
}

LineaFija& LineaFija::PonerTal(std::string_view nombre, std::string_view texto) {
    const Campo& c = diseno_.campo(nombre);
    if (c.clase == ClaseCampo::L || c.clase == ClaseCampo::B)
        throw rt::Error(rt::err::InvalidArgument, kSource,
                        prefijo(diseno_, c) + "el campo es fijo y no recibe valor");
    size_t i = static_cast<size_t>(&c - diseno_.campos.data());
    textos_[i] = General::RellenarTexto(std::string(texto), static_cast<int16_t>(c.ancho), " ");
    puestos_[i] = true;
    return *this;
}

std::string LineaFija::Formar() const { return General::RestaurarComillas(FormarSinRestaurar()); }

std::string LineaFija::FormarSinRestaurar() const {
    std::string linea;
    for (size_t i = 0; i < textos_.size(); ++i) {
        if (!puestos_[i])
            throw rt::Error(rt::err::InvalidArgument, kSource,
                            prefijo(diseno_, diseno_.campos[i]) + "el campo no tiene valor");
        linea += textos_[i];
    }
    // Every field has its width by construction; this guards the guarantee.
    if (rt::Len(linea) != diseno_.largo)
        throw rt::Error(rt::err::InvalidArgument, kSource,
                        std::string(diseno_.registro) + ": el registro tiene " +
                            std::to_string(rt::Len(linea)) + " caracteres en vez de " +
                            std::to_string(diseno_.largo));
    return linea;
}

double ValorNumerico(const Diseno& diseno, std::string_view nombre, const rt::Variant& valor) {
    return comoNumero(diseno, diseno.campo(nombre), valor);
}

std::string Cortar(const Diseno& diseno, std::string_view linea, std::string_view nombre) {
    const Campo& c = diseno.campo(nombre);
    return rt::Mid(linea, c.inicio, c.ancho);
}

}  // namespace quelvodat
