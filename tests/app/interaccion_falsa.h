#pragma once
// Stands in for the screen while it lives: records the findings, questions
// and notices the desktop objects and windows hand over, and answers the
// questions as told.
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "quelvort/variant.h"
#include "shell/interaccion.h"

namespace prueba {

class InteraccionFalsa : public quelvo::Interaccion {
public:
    InteraccionFalsa() { quelvo::EstablecerInteraccion(this); }
    ~InteraccionFalsa() override { quelvo::EstablecerInteraccion(nullptr); }

    void MostrarErrores(const rt::Variant& vErrores) override { errores.push_back(vErrores); }
    bool Preguntar(const QString& texto, const QString& titulo) override {
        preguntas.emplace_back(texto, titulo);
        return respuesta;
    }
    void Avisar(const QString& texto, const QString& titulo) override { avisos.emplace_back(texto, titulo); }
    std::unique_ptr<void, void (*)(void*)> Esperar() override {
        ++esperas;
        return {this, [](void*) {}};
    }

    // The (ordinal, code) pairs of the last error list shown, in order.
    std::vector<std::pair<int, int>> UltimosErrores() const;

    std::vector<rt::Variant> errores;
    std::vector<std::pair<QString, QString>> preguntas, avisos;
    bool respuesta = true;
    int esperas = 0;
};

// The (ordinal, code) pairs of a findings array; none for Null.
std::vector<std::pair<int, int>> ParesHallazgos(const rt::Variant& v);

inline std::vector<std::pair<int, int>> InteraccionFalsa::UltimosErrores() const {
    return errores.empty() ? std::vector<std::pair<int, int>>{} : ParesHallazgos(errores.back());
}

}  // namespace prueba
