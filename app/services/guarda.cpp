#include "services/guarda.h"

#include <exception>
#include <iostream>

#include "quelvort/error.h"
#include "services/errores.h"

namespace quelvo {

void Guardar(QWidget* formulario, const char* evento, const std::function<void()>& manejador) {
    // Read before the handler runs: it may close and destroy its own form.
    const QString nombre = formulario ? formulario->objectName() : QString();
    QString descripcion;
    try {
        manejador();
        return;
    } catch (const rt::Error& e) {
        descripcion = QString::fromStdString(e.Description);
    } catch (const std::exception& e) {
        descripcion = QString::fromUtf8(e.what());
    } catch (...) {
        descripcion = "Error desconocido";
    }
    const QString lugar = QString::fromUtf8(evento);
    try {
        GestionarError(nombre, lugar, descripcion);
        return;
    } catch (const std::exception& e) {
        std::cerr << "Quelvo: no se pudo informar del error (" << e.what() << ")\n";
    } catch (...) {
        std::cerr << "Quelvo: no se pudo informar del error\n";
    }
    std::cerr << "  Formulario " << nombre.toStdString() << "\n  Evento " << lugar.toStdString()
              << "\n  Descripción " << descripcion.toStdString() << std::endl;
}

}  // namespace quelvo
