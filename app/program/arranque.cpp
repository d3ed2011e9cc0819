#include "program/arranque.h"

#include <QApplication>
#include <QDir>
#include <memory>

#include "declarations/listas_declaracion.h"
#include "platform/rutas.h"
#include "platform/sistema.h"
#include "program/base_inservible.h"
#include "program/comandos_declaraciones.h"
#include "program/error_arranque.h"
#include "program/mdi794.h"
#include "program/traduccion_qt.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "quelvort/tempfile.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/mensajes.h"
#include "services/objetos.h"
#include "services/servidor.h"
#include "windows/actualizacion_online.h"
#include "windows/frmInicio_794.h"
#include "windows/pantalla.h"

namespace quelvo {

void ConectarPrograma() {
    ConectarPantalla();
    RegistrarListasDeclaracion();
    ConectarDeclaraciones();
}

void InicializarTodo() {
    try {
        QString trabajo = plataforma::CarpetaTrabajo();
        if (!QDir(trabajo).exists() && !QDir().mkpath(trabajo))
            throw rt::Error(rt::err::PathFileAccess, "Quelvo",
                            "No se puede crear la carpeta de trabajo " + trabajo.toStdString());
        strRutaTrabajo = trabajo.toStdString();
        strRutaTablas = plataforma::CarpetaTablas(plataforma::CarpetaPrograma()).toStdString();
        strRutaMod = strRutaTablas + "794Mod.mdb";
        strRutaLec = strRutaTablas + "794Lec.mdb";
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "General.InicializarTodo");
    }
}

bool ComprobarBDVersion() {
    try {
        plataforma::CursorEspera espera;
        // What a backup or restore killed half-way left beside the database.
        rt::RemoveStaleTemps(strRutaMod);
        auto traspaso = CrearServidor<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbPath(strRutaTablas);
        return traspaso->Traspaso();
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "General.ComprobarBDVersion");
    }
}

bool ComprobarBDVersionTrasRestaurar(QWidget* principal, const std::function<bool()>& comprobar) {
    if (!comprobar()) return false;
    const bool euskera = lngIdioma == kOffsetEuskera;
    MostrarMensaje(euskera ? QStringLiteral("Leheneratutako datu-basea ezin da programa honekin erabili. "
                                            "Programa itxi egingo da.")
                           : QStringLiteral("La base de datos restaurada no puede usarse con este programa. "
                                            "El programa se cerrará."),
                   Cat(336), true);
    if (principal) principal->close();
    return true;
}

void CargarPreferencias() {
    objActOnline().ObtenerURLAct();
    objGeneral().LeerIdioma();
    objActOnline().LeerActOnline();
}

int Main(QApplication& app) {
    std::unique_ptr<MDI794> principal;
    // The location the running step puts in front of its errors, if any.
    std::string_view paso;
    ConectarPrograma();
    try {
        // Qt's own windows speak the program's language from the first box on.
        InstalarTraduccionQt();
        // The original took a named mutex it never tested: it guarded nothing,
        // so a second copy simply starts like the first.
        DisplayVerInfo();
        paso = "General.InicializarTodo";
        InicializarTodo();
        paso = "General.ComprobarBDVersion";
        if (!PrepararBaseUsuario()) return 0;
        paso = {};
        CargarPreferencias();
        {
            frmInicio_794 inicio;
            inicio.Mostrar();
        }
        principal = std::make_unique<MDI794>();
        principal->show();
    } catch (const rt::Error& e) {
        MostrarErrorArranque(e, paso);
        return 1;
    }
    return app.exec();
}

}  // namespace quelvo
