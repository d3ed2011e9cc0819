#pragma once
// The Spanish tax identification numbers: DNI, NIE and CIF.
#include <string_view>

namespace zentalib {

// True for a valid DNI (8 digits and its letter), NIE (X, Y or Z, 7 digits
// and its letter), personal NIF of K, L or M (7 digits and their letter) or CIF (organisation letter, 7 digits and its control
// character). Blanks around the text are ignored, letter case too.
bool ValidarNifCif(std::string_view texto);

// True for the number of a DNI or NIE written without its control letter:
// 8 digits, or X, Y or Z and 7 digits.
bool ValidarNifSinLetra(std::string_view texto);

}  // namespace zentalib
