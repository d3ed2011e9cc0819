#include "services/interaccion.h"

#include "platform/sistema.h"
#include "services/mensajes.h"
#include "windows/frmBarraDeProgreso_794.h"
#include "windows/frmListaErrores_794.h"

namespace quelvo {

namespace {

class InteraccionPantalla : public Interaccion {
public:
    void MostrarErrores(const rt::Variant& vErrores) override {
        frmListaErrores_794 lista;
        lista.vErrores = vErrores;
        lista.exec();
    }
    bool Preguntar(const QString& texto, const QString& titulo) override {
        return MostrarMensaje(texto, titulo, false) == 1;
    }
    void Avisar(const QString& texto, const QString& titulo) override {
        MostrarMensaje(texto, titulo, true);
    }
    std::unique_ptr<void, void (*)(void*)> Esperar() override {
        return {new plataforma::CursorEspera,
                [](void* p) { delete static_cast<plataforma::CursorEspera*>(p); }};
    }
    bool AvanzarProgreso(int32_t pasos) override { return quelvo::AvanzarProgreso(pasos); }
    void CompletarProgreso() override {
        intProgreso = intTotalProgreso;
        quelvo::AvanzarProgreso(intProgreso);
    }
};

Interaccion* instalada = nullptr;

}  // namespace

Interaccion& interaccion() {
    static InteraccionPantalla pantalla;
    return instalada ? *instalada : pantalla;
}

void EstablecerInteraccion(Interaccion* otra) { instalada = otra; }

}  // namespace quelvo
