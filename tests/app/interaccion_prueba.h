#pragma once
// A screen stand-in for the desktop objects: records every error list,
// question and notice, answers questions as told, and is installed for the
// life of the object.
#include <QString>
#include <vector>

#include "quelvort/convert.h"
#include "quelvort/variant.h"
#include "services/interaccion.h"

namespace prueba {

class InteraccionPrueba : public quelvo::Interaccion {
public:
    InteraccionPrueba() { quelvo::EstablecerInteraccion(this); }
    ~InteraccionPrueba() override { quelvo::EstablecerInteraccion(nullptr); }

    void MostrarErrores(const rt::Variant& vErrores) override {
        std::vector<int> codigos, ordinales;
        for (int32_t j = 0; j <= rt::UBound(vErrores, 2); ++j) {
            ordinales.push_back(rt::CInt(vErrores(0, j)));
            codigos.push_back(rt::CInt(vErrores(1, j)));
        }
        listas.push_back(codigos);
        ordinalesListas.push_back(ordinales);
    }
    bool Preguntar(const QString& texto, const QString& titulo) override {
        preguntas.push_back(titulo + "|" + texto);
        return respuesta;
    }
    void Avisar(const QString& texto, const QString& titulo) override {
        avisos.push_back(titulo + "|" + texto);
    }
    std::unique_ptr<void, void (*)(void*)> Esperar() override {
        ++esperas;
        return {nullptr, [](void*) {}};
    }

    // The codes of the last error list; empty when none was shown.
    std::vector<int> ultimos() const { return listas.empty() ? std::vector<int>{} : listas.back(); }

    std::vector<std::vector<int>> listas;
    std::vector<std::vector<int>> ordinalesListas;
    std::vector<QString> preguntas;
    std::vector<QString> avisos;
    int esperas = 0;
    bool respuesta = true;
};

}  // namespace prueba
