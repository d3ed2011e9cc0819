#pragma once
// Small steps the import checkers share. Each appends one finding when it
// fires. Value buffers are (0 To n, 0 To 1): (i, 0) the value of field i,
// (i, 1) its label.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "exchange/buffer_errores.h"
#include "quelvort/variant.h"

namespace quelvodat::Importacion::pasos {

// The value as text ("" for Empty or Null).
std::string Texto(const rt::Variant& valor);

// Texto of a value, seen where the value holds it when it is a text: valid
// while the value lives, and no copy made of the texts a line is made of.
class VistaTexto {
public:
    explicit VistaTexto(const rt::Variant& valor) {
        if (valor.isString()) {
            vista_ = valor.str();
        } else {
            propio_ = Texto(valor);
            vista_ = propio_;
        }
    }
    VistaTexto(const VistaTexto&) = delete;
    VistaTexto& operator=(const VistaTexto&) = delete;
    operator std::string_view() const { return vista_; }
    std::string_view vista() const { return vista_; }

private:
    std::string propio_;
    std::string_view vista_;
};

// The value of the field with that label; Empty when the buffer has none.
const rt::Variant& Valor(const rt::Variant& buffer, std::string_view etiqueta);

// Where the value of a label goes in an array.
struct Puesto {
    std::string_view etiqueta;
    int32_t indice;
};

// Puts the value of each label of `puestos` (64 at most) into element
// `indice` of `destino`, the value Valor finds (that of the first field of
// the label), reading the buffer once; a label the buffer lacks leaves its
// element as it is.
void Repartir(const rt::Variant& buffer, std::span<const Puesto> puestos, rt::VArray& destino);

// The sum of the lengths (characters) of fields 1 to the last exceeds the
// limit: code 24. True when it fired.
bool LongitudTotal(const rt::Variant& buffer, int32_t limite, BufferErrores& errores);

// The trimmed value is empty: the code with "" / with the value.
void Vacio(const rt::Variant& valor, int32_t codigo, BufferErrores& errores);
void VacioConValor(const rt::Variant& valor, int32_t codigo, BufferErrores& errores);

// The value does not read strictly as a number: the code with the value.
// True when it reads.
bool Numerico(const rt::Variant& valor, int32_t codigo, BufferErrores& errores);

// The value written with `ancho` zeros as a pattern (a number zero-filled to
// that width, a text as it stands) has fewer characters than `ancho`: the
// code with the value.
void Corto(const rt::Variant& valor, int32_t ancho, int32_t codigo, BufferErrores& errores);

// A whole number zero-filled on the left to `ancho`, its sign in front; a
// value that does not read as one comes back as its text.
std::string ConCeros(const rt::Variant& valor, int32_t ancho);

// A period code allowed for the exercise: "1T".."4T" and "0A" always, "01" to
// "12" after 2009. With no exercise (it did not read) every code of either
// rule passes.
bool CodigoPeriodoPermitido(std::string_view codigo, std::optional<int32_t> ejercicio);

}  // namespace quelvodat::Importacion::pasos
