#pragma once
// What may be typed into the editors' boxes: the key filter (allowed
// characters of the Windows-1252 code page, letters in capitals) and the
// digits-only filter, as plain key-code functions and as filters on boxes
// that treat pasted or dropped text like typed keys.
#include <cstdint>

class QLineEdit;
class QWidget;

namespace quelvo {

// Key codes are Windows-1252 character codes, 0 to 255; 0 drops the key.

// True when the character of the code may be typed (116 of the 256 codes).
bool TeclaPermitida(int16_t KeyAscii);

// The code of the key's character in capitals when the character is allowed;
// Enter, Backspace and Escape unchanged; 0 for anything else.
int16_t FiltrarTecla(int16_t KeyAscii);

// Sets the code to 0 unless it is a digit or Backspace.
void SoloNumeros(int16_t& KeyAscii);

// Text the user types, pastes or drops into the box goes through FiltrarTecla:
// letters become capitals and characters that may not be typed are left out.
// Text the program puts into the box is left as it is.
void FiltrarCaja(QLineEdit* caja);

// As FiltrarCaja, but only digits get in.
void SoloNumeros(QLineEdit* caja);

// FiltrarCaja for every box of the window that has no filter yet (the window
// sees every key before its controls).
void FiltrarVentana(QWidget* ventana);

// Selects the whole text of the box.
void SeleccionarTexto(QLineEdit* caja);

}  // namespace quelvo
