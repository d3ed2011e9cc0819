#include "services/ayuda.h"

#include "platform/rutas.h"
#include "platform/sistema.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/interaccion.h"
#include "services/objetos.h"

namespace quelvo {

QString RutaAyuda(const QString& idioma, const QString& strPagina) {
    QString libro = idioma == "C" ? "Ayuda" : "Laguntza";
    return plataforma::CarpetaPrograma() + "/Ayuda/" + libro + "/" + strPagina;
}

void MostrarAyuda(const QString& strPagina, QWidget* /*frm*/) {
    const QString ruta = RutaAyuda(objGeneral().IDI(), strPagina);
    if (plataforma::AbrirDocumento(ruta) == plataforma::Apertura::Abierta) return;
    const QString texto =
        lngIdioma == 0
            ? QStringLiteral("No se ha abierto la página de ayuda:\n%1\nÁbrala en un navegador web "
                             "para consultarla.")
            : QStringLiteral("Ez da laguntza-orria ireki:\n%1\nIreki ezazu web-nabigatzaile batean "
                             "kontsultatzeko.");
    interaccion().Avisar(texto.arg(ruta), "Quelvo");
}

}  // namespace quelvo
