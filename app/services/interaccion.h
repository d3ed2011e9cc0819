#pragma once
// What the desktop objects need of the screen while they check and store
// records: the error list, a question, a notice and the hourglass. The windows
// run with the screen's own implementation, which the windows above this
// layer set at start-up; tests install a fake, so every validation runs
// without a window.
#include <QString>
#include <cstdint>
#include <memory>

#include "quelvort/variant.h"

namespace quelvo {

class Interaccion {
public:
    virtual ~Interaccion() = default;
    // The findings of a validation, laid out as frmListaErrores_794::vErrores
    // ((0, j) ordinal of the failed check, (1, j) its error code); shown modally.
    virtual void MostrarErrores(const rt::Variant& vErrores) = 0;
    // A question with "Aceptar" and "Cancelar": true when accepted.
    virtual bool Preguntar(const QString& texto, const QString& titulo) = 0;
    // A notice with only "Aceptar".
    virtual void Avisar(const QString& texto, const QString& titulo) = 0;
    // The hourglass while the returned object lives.
    virtual std::unique_ptr<void, void (*)(void*)> Esperar() = 0;
    // Advances the shared progress window by `pasos`; true when the user has
    // stopped it and the run must end. Without a screen nothing stops.
    virtual bool AvanzarProgreso(int32_t pasos) {
        (void)pasos;
        return false;
    }
    // Brings the shared progress window to its end (it then closes).
    virtual void CompletarProgreso() {}
};

// The one in force: the screen's, unless a test installed another.
Interaccion& interaccion();
// Installs `otra` (not owned) in place of the screen's; nullptr gives the
// screen's back.
void EstablecerInteraccion(Interaccion* otra);
// Sets the screen's own (not owned, living as long as the program).
void EstablecerInteraccionPantalla(Interaccion* pantalla);

}  // namespace quelvo
