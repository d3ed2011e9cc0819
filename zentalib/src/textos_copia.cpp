#include "textos_copia.h"

#include <QFileInfo>
#include <filesystem>

#include "avisos.h"

namespace zentalib {

namespace {

QString Q(const std::string& texto) { return QString::fromStdString(texto); }

QString Carpeta(const std::string& ruta) {
    return Q(std::filesystem::path(ruta).parent_path().string());
}

// The state a copy holds is that of the moment its file was written; the
// date as the program writes dates in the user's language.
QString FechaArchivo(const std::string& ruta, int32_t idioma) {
    return QFileInfo(Q(ruta)).lastModified().toString(EsEuskera(idioma) ? QStringLiteral("yyyy/MM/dd HH:mm")
                                                                        : QStringLiteral("dd/MM/yyyy HH:mm"));
}

}  // namespace

QString TituloOperacion(Operacion operacion, int32_t idioma) {
    const bool eu = EsEuskera(idioma);
    if (operacion == Operacion::Copia)
        return eu ? QStringLiteral("Segurtasun kopia") : QStringLiteral("Copia de seguridad");
    return eu ? QStringLiteral("Segurtasun kopia leheneratu") : QStringLiteral("Restaurar base de datos");
}

QString TextoFallo(Operacion operacion, const ResultadoCopia& resultado, const std::string& origen,
                   const std::string& destino, int32_t idioma) {
    const bool eu = EsEuskera(idioma);
    QString texto;
    switch (resultado.fallo) {
    case FalloCopia::Ninguno:
        return {};
    case FalloCopia::OrigenNoExiste:
        texto = eu ? QStringLiteral("Ez da %1 fitxategia aurkitu.") : QStringLiteral("No se encuentra el archivo %1.");
        texto = texto.arg(Q(origen));
        break;
    case FalloCopia::EsCarpeta:
    case FalloCopia::DestinoEsCarpeta:
        texto = eu ? QStringLiteral("%1 karpeta bat da, ez fitxategi bat.")
                   : QStringLiteral("%1 es una carpeta, no un archivo.");
        texto = texto.arg(Q(resultado.fallo == FalloCopia::EsCarpeta ? origen : destino));
        break;
    case FalloCopia::NoEsBaseUsuario:
        texto = eu ? QStringLiteral("%1 fitxategia ez da programaren datu-base bat.")
                   : QStringLiteral("El archivo %1 no es una base de datos del programa.");
        texto = texto.arg(Q(origen));
        break;
    case FalloCopia::Danada:
        texto = eu ? QStringLiteral("%1 datu-basea hondatuta dago.")
                   : QStringLiteral("La base de datos %1 está dañada.");
        texto = texto.arg(Q(origen));
        break;
    case FalloCopia::ObjetoAjeno:
        texto = eu ? QStringLiteral("%1 fitxategiak programak sortzen ez dituen elementuak ditu.")
                   : QStringLiteral("El archivo %1 contiene elementos que el programa no crea.");
        texto = texto.arg(Q(origen));
        break;
    case FalloCopia::Carpeta:
        texto = eu ? QStringLiteral("Ezin izan da %1 karpeta sortu.") : QStringLiteral("No se ha podido crear la carpeta %1.");
        texto = texto.arg(Carpeta(destino));
        break;
    case FalloCopia::Copia:
        texto = eu ? QStringLiteral("Ezin izan da %1 datu-basea kopiatu.")
                   : QStringLiteral("No se ha podido copiar la base de datos %1.");
        texto = texto.arg(Q(origen));
        break;
    case FalloCopia::EnUso:
        texto = eu ? QStringLiteral("%1 datu-basea erabiltzen ari da. Itxi irekitako leihoak eta saiatu berriro.")
                   : QStringLiteral("La base de datos %1 está en uso. Cierre las ventanas abiertas e inténtelo de nuevo.");
        texto = texto.arg(Q(destino));
        break;
    case FalloCopia::Sustitucion:
        texto = eu ? QStringLiteral("Ezin izan da %1 ordeztu.") : QStringLiteral("No se ha podido sustituir %1.");
        texto = texto.arg(Q(destino));
        break;
    }
    if (operacion == Operacion::Restauracion)
        texto += eu ? QStringLiteral("\nDatu-basea ez da aldatu.") : QStringLiteral("\nLa base de datos no ha cambiado.");
    else
        texto += eu ? QStringLiteral("\nAurreko segurtasun kopia, baldin bazegoen, gorde egin da.")
                    : QStringLiteral("\nLa copia de seguridad anterior, si la había, se conserva.");
    return texto;
}

QString TextoHecho(Operacion operacion, const std::string& origen, const std::string& destino,
                   int32_t idioma) {
    const bool eu = EsEuskera(idioma);
    if (operacion == Operacion::Copia)
        return (eu ? QStringLiteral("%1 segurtasun kopia sortu da.")
                   : QStringLiteral("Se ha creado la copia de seguridad %1."))
            .arg(Q(destino));
    return (eu ? QStringLiteral("%1 datu-basea %2 kopiatik leheneratu da.")
               : QStringLiteral("La base de datos %1 se ha restaurado a partir de la copia %2."))
        .arg(Q(destino), Q(origen));
}

QString TextoConfirmarRestauracion(const std::string& origen, const std::string& destino,
                                   int32_t idioma) {
    QString texto = EsEuskera(idioma)
                        ? QStringLiteral("%1 datu-basearen ordez %2 kopia (data: %3) jarriko da. Uneko datuak "
                                         "galdu egingo dira.\nJarraitu nahi duzu?")
                        : QStringLiteral("La base de datos %1 se sustituirá por la copia %2, del %3. Los datos "
                                         "actuales se perderán.\n¿Desea continuar?");
    return texto.arg(Q(destino), Q(origen), FechaArchivo(origen, idioma));
}

QString TextoConfirmarSustitucion(const std::string& destino, int32_t idioma) {
    QString texto = EsEuskera(idioma)
                        ? QStringLiteral("%1 segurtasun kopia badago jada (data: %2). Berri batekin ordezten "
                                         "bada, bertan bakarrik dagoena galdu egingo da.\nOrdeztu nahi duzu?")
                        : QStringLiteral("Ya existe la copia de seguridad %1, del %2. Si se sustituye por una "
                                         "nueva, se perderá lo que solo esté en ella.\n¿Desea sustituirla?");
    return texto.arg(Q(destino), FechaArchivo(destino, idioma));
}

}  // namespace zentalib
