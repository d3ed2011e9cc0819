#pragma once
// Stands in for the screen while the desktop objects run: records what they
// show and ask, and answers questions as the test says.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "shell/interaccion.h"

namespace prueba {

class InteraccionFalsa : public quelvo::Interaccion {
public:
    InteraccionFalsa() { quelvo::EstablecerInteraccion(this); }
    ~InteraccionFalsa() override { quelvo::EstablecerInteraccion(nullptr); }

    void MostrarErrores(const rt::Variant& vErrores) override { errores.push_back(vErrores); }
    bool Preguntar(const QString& texto, const QString& titulo) override {
        preguntas.push_back(titulo + "|" + texto);
        if (alPreguntar) alPreguntar();
        return respuesta;
    }
    void Avisar(const QString& texto, const QString& titulo) override {
        avisos.push_back(titulo + "|" + texto);
    }
    std::unique_ptr<void, void (*)(void*)> Esperar() override {
        return {nullptr, [](void*) {}};
    }

    bool respuesta = true;
    // Runs inside each question, as the user's tick of a check box would.
    std::function<void()> alPreguntar;
    std::vector<rt::Variant> errores;
    std::vector<QString> preguntas;
    std::vector<QString> avisos;
};

}  // namespace prueba
