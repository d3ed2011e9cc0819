#pragma once
// The online assistance service: its description window and its page.
#include <QString>
#include <cstdint>

namespace zentalib {

inline constexpr const char* kDireccionAsistencia = "https://arbeko.example/794/asistencia";

QString TituloAsistencia(int32_t idioma);

// Shows frmOnlineInfo modal over parent (nothing without a QApplication).
void MostrarDescripcionAsistencia(std::intptr_t parent, int32_t idioma);

// Opens the service's page in the browser; a failure is shown naming the
// address. True when the page was handed to the browser.
bool AbrirAsistencia(std::intptr_t parent, int32_t idioma);

}  // namespace zentalib
