#include "services/catalogo.h"

#include "quelvort/error.h"
#include "services/claves.h"
#include "services/globales.h"
#include "services/valores.h"

#include <QFile>
#include <QHash>
#include <array>
#include <string>

namespace quelvo {
namespace {

// The old runtime's number for a string resource it cannot find.
constexpr int32_t kErrRecursoNoEncontrado = 326;

// Exercises the program accepts; codes 10 and 44 quote this range.
constexpr int kPrimerEjercicio = 1993;
constexpr int kUltimoEjercicio = 2013;

rt::Error ErrorRecurso(const std::string& description) {
    return rt::Error(kErrRecursoNoEncontrado, "Quelvo", description);
}

// Undoes the file's escapes (\t \n \r \\), which keep a text's own tabs and
// line breaks from breaking the columns.
QString SinEscapes(const QByteArray& campo, int linea) {
    QByteArray out;
    out.reserve(campo.size());
    for (qsizetype i = 0; i < campo.size(); ++i) {
        char c = campo[i];
        if (c != '\\') {
            out.append(c);
            continue;
        }
        char sig = i + 1 < campo.size() ? campo[i + 1] : '\0';
        switch (sig) {
        case 't': out.append('\t'); break;
        case 'n': out.append('\n'); break;
        case 'r': out.append('\r'); break;
        case '\\': out.append('\\'); break;
        default:
            throw ErrorRecurso("Bad escape in catalog line " + std::to_string(linea));
        }
        ++i;
    }
    return QString::fromUtf8(out);
}

QHash<int32_t, QString> LeerCatalogo() {
    QFile f(QStringLiteral(":/catalog.tsv"));
    if (!f.open(QIODevice::ReadOnly)) throw ErrorRecurso("Message catalog not found");
    const QByteArray datos = f.readAll();

    QHash<int32_t, QString> textos;
    int linea = 0;
    for (const QByteArray& fila : datos.split('\n')) {
        ++linea;
        if (fila.isEmpty() || fila.startsWith('#')) continue;
        const auto campos = fila.split('\t');
        bool ok = false;
        const int32_t id = campos.size() == 3 ? campos[0].toInt(&ok) : 0;
        // A duplicate or an id that would overlap the Basque range is a broken file.
        if (!ok || id <= 0 || id >= kOffsetEuskera || textos.contains(id))
            throw ErrorRecurso("Malformed catalog line " + std::to_string(linea));
        textos.insert(id, SinEscapes(campos[1], linea));
        textos.insert(id + kOffsetEuskera, SinEscapes(campos[2], linea));
    }
    return textos;
}

const QHash<int32_t, QString>& Catalogo() {
    static const QHash<int32_t, QString> textos = LeerCatalogo();
    return textos;
}

// Catalog id (Spanish) of each error code, by code. Several codes share a text.
constexpr std::array<int16_t, 67> kTextoDeCodigo = {
    158, 183, 125, 181, 142, 144, 145, 182, 286, 265,  // 0-9
    150, 263, 184, 151, 285, 287, 262, 184, 267, 159,  // 10-19
    141, 143, 162, 160, 164, 155, 146, 264, 140, 265,  // 20-29
    284, 232, 226, 119, 211, 161, 152, 154, 166, 202,  // 30-39
    214, 153, 215, 149, 150, 157, 233, 226, 216, 316,  // 40-49
    301, 339, 341, 342, 346, 347, 345, 348, 343, 349,  // 50-59
    350, 351, 352, 353, 355, 356, 357,                 // 60-66
};

// Catalog id of the text of kCodigoImporteIlegible.
constexpr int32_t kTextoImporteIlegible = 360;

constexpr int16_t kCodigoRangoEjercicio = 10;
constexpr int16_t kCodigoRangoRectificacion = 44;

// Findings that the catalog has no text for, in both languages: those of a
// submission file's entry record, and the amounts the file cannot hold (%1
// is the largest it holds).
struct TextoPropio {
    int16_t codigo;
    const char* castellano;
    const char* euskera;
};
constexpr TextoPropio kTextosPropios[] = {
    {kCodigoTotalFichero,
     "El total de las bases imponibles de la declaración superaría %1, lo más que admite el fichero de "
     "presentación",
     "Aitorpeneko oinarri ezargarrien guztizkoa %1 baino handiagoa litzateke, aurkezpen-fitxategiak onartzen "
     "duena baino gehiago"},
    {68, "El registro de declarado no va precedido de ningún registro de declarante",
     "Aitortuaren erregistroaren aurretik ez dago aitortzailearen erregistrorik"},
    {69, "El NIF del declarante no coincide con el del registro de declarante anterior",
     "Aitortzailearen IFZa ez dator bat aurreko aitortzaile-erregistroko IFZarekin"},
    {kCodigoImporteFichero,
     "El importe supera %1, lo más que admite el fichero de presentación",
     "Zenbatekoa %1 baino handiagoa da, aurkezpen-fitxategiak onartzen duena baino gehiago"},
};

}  // namespace

const QString& TextoCatalogo(int32_t id) {
    const auto& textos = Catalogo();
    const auto it = textos.constFind(id);
    if (it == textos.constEnd())
        throw ErrorRecurso("Resource with identifier '" + std::to_string(id) + "' not found");
    return it.value();
}

QString Cat(int32_t id) { return TextoCatalogo(id + lngIdioma); }

int32_t NumeroTextosCatalogo() { return static_cast<int32_t>(Catalogo().size()); }

QString DescripcionError(int16_t codigo) {
    if (codigo == kCodigoImporteIlegible) return Cat(kTextoImporteIlegible);
    for (const TextoPropio& t : kTextosPropios) {
        if (t.codigo != codigo) continue;
        const QString texto = QString::fromUtf8(lngIdioma == 0 ? t.castellano : t.euskera);
        return texto.contains(QLatin1String("%1")) ? texto.arg(FormatoImporte(kImporteMaximoFichero)) : texto;
    }
    if (codigo < 0 || codigo >= static_cast<int16_t>(kTextoDeCodigo.size())) return {};
    QString texto = Cat(kTextoDeCodigo[codigo]);
    const QString rango = QString::number(kPrimerEjercicio) + QStringLiteral(" - ") +
                          QString::number(kUltimoEjercicio);
    if (codigo == kCodigoRangoEjercicio) texto += rango;
    if (codigo == kCodigoRangoRectificacion) texto += QStringLiteral("  ") + rango;
    return texto;
}

}  // namespace quelvo
