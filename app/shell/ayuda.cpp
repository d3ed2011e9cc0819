#include "shell/ayuda.h"

#include <QMessageBox>

#include "platform/rutas.h"
#include "platform/sistema.h"
#include "shell/cgeneral.h"
#include "shell/objetos.h"

namespace quelvo {

QString RutaAyuda(const QString& idioma, const QString& strPagina) {
    QString libro = idioma == "C" ? "Ayuda" : "Laguntza";
    return plataforma::CarpetaPrograma() + "/Ayuda/" + libro + "/" + strPagina;
}

void MostrarAyuda(const QString& strPagina, QWidget* frm) {
    QString ruta = RutaAyuda(objGeneral().IDI(), strPagina);
    QString error;
    if (!plataforma::AbrirDocumento(ruta, &error)) QMessageBox::warning(frm, "Quelvo", error);
}

}  // namespace quelvo
