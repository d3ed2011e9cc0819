#pragma once
// The message boxes of the library. The caller's window crosses the
// interfaces as an integer (0 = none) so that they stay free of Qt.
#include <QString>
#include <cstdint>

class QWidget;

namespace zentalib {

inline constexpr int32_t kIdiomaEuskera = 10000;

inline bool EsEuskera(int32_t idioma) { return idioma == kIdiomaEuskera; }

// Whether a QApplication runs, so that windows can be shown at all.
bool HayInterfaz();

// The Qt window behind a Parent value, or nullptr.
QWidget* VentanaPadre(std::intptr_t parent);

// QUELVO_SIN_DIALOGOS=1: questions are answered Yes and failures shown to
// nobody, so that tests of the callers never wait for a user.
bool SinDialogos();

// A Yes/No question, No by default; true for Yes. Without a running
// QApplication nobody can answer, and the answer is No.
bool Confirmar(std::intptr_t parent, int32_t idioma, const QString& titulo, const QString& texto);

// A failure shown in a modal box (nothing without a QApplication).
void AvisarFallo(std::intptr_t parent, int32_t idioma, const QString& titulo, const QString& texto);

// What was done, shown the same way.
void Informar(std::intptr_t parent, int32_t idioma, const QString& titulo, const QString& texto);

}  // namespace zentalib
