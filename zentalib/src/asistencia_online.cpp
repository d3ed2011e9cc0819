#include "asistencia_online.h"

#include <QDesktopServices>
#include <QUrl>

#include "avisos.h"
#include "frm_online_info.h"

namespace zentalib {

QString TituloAsistencia(int32_t idioma) {
    return EsEuskera(idioma) ? QStringLiteral("On-line laguntza") : QStringLiteral("Asistencia on-line");
}

void MostrarDescripcionAsistencia(std::intptr_t parent, int32_t idioma) {
    if (!HayInterfaz()) return;
    frmOnlineInfo ventana(idioma, VentanaPadre(parent));
    ventana.exec();
}

bool AbrirAsistencia(std::intptr_t parent, int32_t idioma) {
    const QString direccion = QString::fromLatin1(kDireccionAsistencia);
    // Without a GUI application there is no browser to hand the page to.
    if (HayInterfaz() && QDesktopServices::openUrl(QUrl(direccion))) return true;
    const QString texto = EsEuskera(idioma) ? QStringLiteral("Ezin izan da %1 helbidea ireki.")
                                            : QStringLiteral("No se ha podido abrir la dirección %1.");
    AvisarFallo(parent, idioma, TituloAsistencia(idioma), texto.arg(direccion));
    return false;
}

}  // namespace zentalib
