#include "shell/actualizacion_online.h"

#include "platform/rutas.h"
#include "platform/version.h"
#include "shell/cactonline.h"
#include "shell/globales.h"
#include "shell/objetos.h"

namespace quelvo {

void DisplayVerInfo() {
    auto& act = objActOnline();
    act.ActFile = plataforma::CarpetaPrograma() + "/Quelvo";
    auto version = plataforma::VersionPropia();
    act.ProgVer1 = QString::number(version.mayor);
    act.ProgVer2 = QString::number(version.menor);
    act.ProgVer3 = QString::number(version.revision);
    strVersion = version.texto().toStdString();
    strVersionProducto = (version.texto() + ".0").toStdString();
}

}  // namespace quelvo
