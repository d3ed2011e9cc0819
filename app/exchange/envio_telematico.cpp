#include "exchange/envio_telematico.h"

#include <QCoreApplication>
#include <map>

#include "declarations/cdeclaracion.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "platform/sistema.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvort/convert.h"
#include "quelvort/cp1252.h"
#include "quelvort/strings.h"
#include "quelvort/textfile.h"
#include "services/globales.h"
#include "services/interaccion.h"
#include "services/objetos.h"
#include "services/servidor.h"

namespace quelvo {

namespace {

// Markup characters, and any the page's code page cannot hold, as character
// references, so no value can end its field or the page early.
QString EscaparHtml(const QString& texto) {
    QString r;
    for (const QChar c : texto) {
        switch (c.unicode()) {
            case '&': r += "&amp;"; break;
            case '<': r += "&lt;"; break;
            case '>': r += "&gt;"; break;
            case '\'': r += "&#39;"; break;
            case '"': r += "&quot;"; break;
            default:
                if (c.isSurrogate() || !rt::CanEncodeCp1252(QString(c).toStdString()))
                    r += "&#" + QString::number(c.unicode()) + ";";
                else
                    r += c;
        }
    }
    return r;
}

// hundredths / 100 in the "0.00" pattern, with the decimal comma.
QString Importe(const rt::Variant& centimos) {
    const double euros = rt::RoundHalfAwayFromZero(rt::CDbl(centimos) / 100.0, 2);
    return QString::number(euros, 'f', 2).replace('.', ',');
}

// The per-key totals of the declarations of the run's declarants, each found
// as the submission file found it, keyed as the run's exercise keys them.
rt::Variant TotalesDeLaEjecucion(const rt::Variant& codigos, int32_t ejercicio, int32_t periodo,
                                 int32_t periodicidad, int32_t& primeraDeclaracion) {
    auto servidor = CrearServidor<quelvodat::_cDeclaraciones>("Quelvodat.cDeclaraciones");
    std::map<std::string, std::pair<double, double>> suma;
    std::vector<std::string> orden;
    for (int32_t i = rt::LBound(codigos); i <= rt::UBound(codigos); ++i) {
        const int32_t declaracion = objDeclaracion().ObtenerDeclaracion(
            rt::CLng(codigos(i)), ejercicio, static_cast<uint8_t>(periodo),
            static_cast<uint8_t>(periodicidad));
        if (i == rt::LBound(codigos)) primeraDeclaracion = declaracion;
        const rt::Variant t =
            servidor->ObtenerTotalDeclarados(declaracion, static_cast<int16_t>(ejercicio));
        if (!t.isArray()) continue;
        for (int32_t f = 1; f <= rt::UBound(t, 2); ++f) {
            const std::string clave = rt::CStr(t(0, f));
            if (!suma.count(clave)) orden.push_back(clave);
            suma[clave].first += rt::CDbl(t(1, f));
            suma[clave].second += rt::CDbl(t(2, f));
        }
    }
    if (orden.empty()) return rt::Variant::Null();
    rt::VArray totales({0, 2}, {0, static_cast<int32_t>(orden.size())});
    for (size_t k = 0; k < orden.size(); ++k) {
        const auto fila = static_cast<int32_t>(k + 1);
        totales.at(0, fila) = orden[k];
        totales.at(1, fila) = suma[orden[k]].first;
        totales.at(2, fila) = suma[orden[k]].second;
    }
    return totales;
}

}  // namespace

QString CampoOculto(const QString& nombre, const QString& valor) {
    return " <INPUT type=hidden name=" + nombre + "  value='" + EscaparHtml(valor) + "' >";
}

std::array<QString, 11> CamposImportes(const rt::Variant& totales, int32_t ejercicio) {
    std::array<QString, 11> p;
    const QString cero = Importe(0);
    for (int i = 0; i <= 9; ++i)
        p[static_cast<size_t>(i)] = CampoOculto("p" + QString::number(i), i == 2 || i == 4 ? cero : "0");
    int64_t otras = 0;
    if (totales.isArray()) {
        for (int32_t f = 1; f <= rt::UBound(totales, 2); ++f) {
            const std::string clave = rt::UCase(rt::Trim(rt::CStr(totales(0, f))));
            const QString cuenta = QString::fromStdString(rt::CStr(totales(2, f)));
            if (clave == "1" || clave == "N") {
                p[1] = CampoOculto("p1", cuenta);
                p[2] = CampoOculto("p2", Importe(totales(1, f)));
            } else if (clave == "2") {
                p[3] = CampoOculto("p3", cuenta);
                p[4] = CampoOculto("p4", Importe(totales(1, f)));
            } else if (clave == "3" || clave == "4" || clave == "R") {
                otras += rt::CLng(totales(2, f));
            }
        }
    }
    p[5] = CampoOculto("p5", QString::number(otras));
    p[6] = CampoOculto("p6", QString::number(ejercicio));
    return p;
}

QString CodigoPeriodoEnvio(int32_t periodo, int32_t periodicidad) {
    if (periodicidad == 1 && periodo >= 1 && periodo <= 12) return QString::number(periodo + 4);
    if (periodicidad == 2 && periodo % 3 == 0 && periodo >= 3 && periodo <= 12)
        return QString::number(periodo / 3);
    if (periodicidad == 3) return "0";
    return {};
}

QString CamposEnvio(const DatosEnvio& d) {
    QStringList campos;
    campos << CampoOculto("fichero", d.fichero) << CampoOculto("idioma", d.espanol ? "C" : "")
           << CampoOculto("modelo", "794");
    const std::array<QString, 11> p = CamposImportes(d.totales, d.ejercicio);
    if (d.colectiva) {
        campos << CampoOculto("tipo", "C")
               << CampoOculto("primerDeclarante", d.declarantes.empty() ? QString() : d.declarantes[0].first)
               << CampoOculto("declarantes", QString::number(d.declarantes.size()));
        for (size_t i = 0; i < d.declarantes.size(); ++i) {
            const QString n = QString::number(i + 1);
            campos << CampoOculto("NIF" + n, d.declarantes[i].first)
                   << CampoOculto("nombre" + n, d.declarantes[i].second);
        }
        for (size_t i = 0; i <= 5; ++i) campos << p[i];
        campos << CampoOculto("nombre", d.nombrePresentador) << CampoOculto("NIF", d.nifPresentador);
    } else {
        campos << CampoOculto("tipo", "I") << CampoOculto("primerDeclarante", " ");
        for (size_t i = 0; i <= 6; ++i) campos << p[i];
        const auto declarante = d.declarantes.empty() ? std::pair<QString, QString>() : d.declarantes[0];
        campos << CampoOculto("NIF", declarante.first) << CampoOculto("nombre", declarante.second);
    }
    campos << CampoOculto("ejercicio", QString::number(d.ejercicio))
           << CampoOculto("periodo", CodigoPeriodoEnvio(d.periodo, d.periodicidad))
           << CampoOculto("ver", "3.1.5");
    return campos.join(' ');
}

QString PaginaEnvio(const QString& direccion, const QString& campos) {
    return "<HTML> <HEAD><META http-equiv='Content-Type' content='text/html; charset=windows-1252'>"
           "</HEAD>  <BODY ONLOAD='document.formulario.submit();'>  <FORM NAME='formulario' action='" +
           EscaparHtml(direccion) + "' method=post> " + campos + " </FORM></BODY> </HTML>";
}

QString RutaPaginaEnvio() { return QString::fromStdString(strRutaTrabajo) + "/temphtm.HTM"; }

void AbrirFormularioEnvio(const QString& pagina) {
    const QString ruta = RutaPaginaEnvio();
    {
        // Put in place only when written whole; an old page is replaced.
        rt::TextFileWriter fichero(ruta.toStdString());
        fichero.Write(pagina.toStdString());
        fichero.Commit();
    }
    if (plataforma::AbrirDocumento(ruta) == plataforma::Apertura::Abierta) return;
    // The statement is filed only when the page reaches the filing service:
    // the user is told which page to open and why.
    const QString texto =
        lngIdioma == 0
            ? QStringLiteral("No se ha abierto la página de envío:\n%1\nLa declaración aún no está "
                             "presentada: abra esa página en un navegador web para completar la "
                             "presentación.")
            : QStringLiteral("Ez da bidalketa-orria ireki:\n%1\nAitorpena ez dago oraindik aurkeztuta: "
                             "ireki orri hori web-nabigatzaile batean aurkezpena osatzeko.");
    interaccion().Avisar(texto.arg(ruta), "Quelvo");
}

void EnvioTelematico() {
    cImprGrabar& run = objImprGrabar();
    const rt::Variant codigos = run.vBufferDeclarantes();
    DatosEnvio d;
    d.fichero = objSelFichero().RutaFichero();
    d.espanol = lngIdioma == 0;
    d.colectiva = run.IndCol() != 0;
    d.ejercicio = run.Ejercicio();
    d.periodo = run.Periodo();
    d.periodicidad = run.Periodicidad();
    // The run's own declarant object: the program's current declarant stays.
    cDeclarante declarante;
    const int32_t ultimo = d.colectiva ? rt::UBound(codigos) : rt::LBound(codigos);
    for (int32_t i = rt::LBound(codigos); i <= ultimo; ++i) {
        declarante.CargarDeclarante(rt::CLng(codigos(i)));
        d.declarantes.emplace_back(declarante.NIF(), declarante.Nombre());
    }
    int32_t primeraDeclaracion = 0;
    const rt::Variant soloElPrimero = rt::VArray::Of({codigos(rt::LBound(codigos))});
    d.totales = TotalesDeLaEjecucion(d.colectiva ? codigos : soloElPrimero, d.ejercicio,
                                     d.periodo, d.periodicidad, primeraDeclaracion);
    if (d.colectiva) {
        cPresentador presentador;
        presentador.CargarPresentador();
        d.nifPresentador = presentador.NIF();
        d.nombrePresentador = presentador.Nombre();
    } else {
        run.CodDecla(primeraDeclaracion);
    }
    QCoreApplication::processEvents();
    AbrirFormularioEnvio(PaginaEnvio(objSelFichero().RecogerRutaURL(), CamposEnvio(d)));
}

}  // namespace quelvo
