#include "windows/actualizacion_online.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "platform/espera.h"
#include "platform/perfil_ini.h"
#include "platform/rutas.h"
#include "platform/version.h"
#include "services/cactonline.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "windows/FrmSinConexion_794.h"
#include "windows/FrmVersionCheck_794.h"

namespace quelvo {

namespace {

constexpr int kTamanoValorIni = 1024;
constexpr const char* kSeccion = "informacion";

// Only spaces, as the old runtime's Trim.
QString sinEspacios(const QString& texto) {
    qsizetype inicio = 0, fin = texto.size();
    while (inicio < fin && texto[inicio] == ' ') ++inicio;
    while (fin > inicio && texto[fin - 1] == ' ') --fin;
    return texto.mid(inicio, fin - inicio);
}

bool ventanaVisible(const char* nombre) {
    for (QWidget* ventana : QApplication::topLevelWidgets())
        if (ventana->objectName() == nombre && ventana->isVisible()) return true;
    return false;
}

}  // namespace

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

QString TextoVersion() {
    const QString version = QString::fromStdString(strVersion);
    return lngIdioma == 0 ? "Versión " + version : version + " bertsioa";
}

QString RutaVersionIni() { return QString::fromStdString(strRutaTrabajo) + "/version.ini"; }

void ComprobarActualizacion(int limiteDescargaMs, int esperaSegundos) {
    plataforma::EsperarHastaSegundo(plataforma::SegundoActual() + esperaSegundos);
    auto& act = objActOnline();
    const int32_t descarga = DescargarVersion(limiteDescargaMs);
    if (descarga == kDescargaFallida) {
        act.SitAct = kDescargaFallida;
        FrmSinConexion_794(QApplication::activeWindow()).exec();
        return;
    }
    if (descarga != kRespuestaLeida) return;
    if (LeerVersionIni() == kRespuestaIlegible) {
        act.SitAct = kRespuestaIlegible;
        FrmSinConexion_794(QApplication::activeWindow()).exec();
        return;
    }
    // Asked for by hand, the check always says what it found.
    if (act.ComVer == 1 || ventanaVisible("frmPreferencias_794"))
        FrmVersionCheck_794(QApplication::activeWindow()).exec();
    act.SitAct = kRespuestaLeida;
}

int32_t DescargarVersion(int limiteDescargaMs) {
    const QString ruta = RutaVersionIni();
    // A file left by an earlier check must not pass for this one's reply.
    if (QFileInfo::exists(ruta) && !QFile::remove(ruta)) return kErrorPeticion;
    const QString direccion = objActOnline().URLAct + "?Programa=794&idioma=" +
                              (lngIdioma == 0 ? "c" : "e");
    return DescargarFichero(direccion, ruta, limiteDescargaMs);
}

int32_t DescargarFichero(const QString& direccion, const QString& ruta, int limiteDescargaMs) {
    if (plataforma::DescargarArchivo(direccion, ruta, limiteDescargaMs) && QFileInfo::exists(ruta))
        return kRespuestaLeida;
    return kDescargaFallida;
}

QString LeerIni(const QString& seccion, const QString& clave, const QString& ruta) {
    return plataforma::LeerPerfil(ruta, seccion, clave, " ", kTamanoValorIni);
}

int32_t LeerVersionIni() {
    auto& act = objActOnline();
    const QString ruta = RutaVersionIni();
    const QString version = sinEspacios(LeerIni(kSeccion, "currentversion", ruta));
    // An empty text splits into no parts at all.
    const QStringList partes = version.isEmpty() ? QStringList() : version.split('.');
    QString* destinos[] = {&act.ActVer1, &act.ActVer2, &act.ActVer3};
    for (int i = 0; i < 3; ++i) {
        if (i >= partes.size()) return kRespuestaIlegible;
        *destinos[i] = partes[i];
    }
    const QString descarga = sinEspacios(LeerIni(kSeccion, "downloadurl", ruta));
    // The page posts to this address: anything but a web address is dropped.
    act.ActDownloadURL = plataforma::EsDireccionWeb(descarga) ? descarga : QString();
    act.ActDescripcion = sinEspacios(LeerIni(kSeccion, "descripcion", ruta));

    const QString instalada[] = {act.ProgVer1, act.ProgVer2, act.ProgVer3};
    for (int i = 0; i < 3; ++i)
        if (sinEspacios(instalada[i]) != sinEspacios(*destinos[i])) act.ComVer = 1;
    return 0;
}

}  // namespace quelvo
