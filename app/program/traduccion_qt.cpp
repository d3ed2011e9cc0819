#include "program/traduccion_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

#include "services/catalogo.h"
#include "services/globales.h"

namespace quelvo {

namespace {

// A text of Qt's: the Spanish for it where Qt's own Spanish translation
// leaves it in English (null where that translation has it), and the catalog
// entry that says it in Basque (0 where the catalog has none, and the Basque
// program shows the Spanish).
struct TextoQt {
    const char* contexto;
    const char* texto;
    const char* espanol;
    int32_t id;
};

constexpr TextoQt kTextosQt[] = {
    {"QPlatformTheme", "OK", nullptr, 105},
    {"QPlatformTheme", "Cancel", nullptr, 111},
    {"QPlatformTheme", "Close", nullptr, 112},
    {"QPlatformTheme", "Save", nullptr, 193},
    {"QPlatformTheme", "Help", nullptr, 109},
    {"QFileDialog", "File &name:", nullptr, 186},
    {"QFileDialog", "&Save", nullptr, 193},
    {"QFileDialog", "&Delete", nullptr, 165},
    {"QFileSystemModel", "Name", nullptr, 235},
    {"QLineEdit", "&Copy", nullptr, 289},
    {"QLineEdit", "Delete", nullptr, 165},
    {"QWidgetTextControl", "&Copy", nullptr, 289},
    {"QWidgetTextControl", "Delete", nullptr, 165},
    {"QMdiSubWindow", "&Close", nullptr, 112},
    // The file chooser's kind of a folder.
    {"QAbstractFileIconProvider", "Folder", "Carpeta", 0},
    {"QAbstractFileIconProvider", "Drive", "Unidad", 0},
    // The print dialog.
    {"QPrintDialog", "Print", nullptr, 208},
    {"QPrintDialog", "&Print", nullptr, 208},
    {"QPrintSettingsOutput", "Pages", "Páginas", 0},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
     "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Indique las páginas o los intervalos separados por comas. Un intervalo son dos números separados por un "
     "guion. Por ejemplo: 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9.",
     0},
    {"QPrintSettingsOutput", "Double Sided Printing", "Impresión a doble cara", 0},
    {"QPrintSettingsOutput", "Off", "Desactivada", 0},
    {"QPrintSettingsOutput", "Long side binding", "Encuadernación por el lado largo", 0},
    {"QPrintSettingsOutput", "Short side binding", "Encuadernación por el lado corto", 0},
    {"QPrintDialog", "Invalid Pages Definition", "Definición de páginas no válida", 0},
    {"QPrintDialog",
     "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges "
     "and make sure ranges do not intersect with each other.",
     "%1 no sigue la sintaxis correcta. Separe las páginas y los intervalos con ',', indique los intervalos con "
     "'-' y compruebe que no se solapan.",
     0},
    {"QPrintDialog", "Duplex Settings Conflicts", "Conflictos en la impresión a doble cara", 0},
    {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
     "Hay opciones de impresión a doble cara en conflicto. ¿Desea corregirlas?", 0},
    {"QPrintPropertiesWidget", "Advanced", "Avanzado", 0},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Algunas opciones están en conflicto. Corríjalas.", 0},
    {"QPrintPropertiesDialog", "Page Setup Conflicts", "Conflictos en la configuración de página", 0},
    {"QPrintPropertiesDialog", "There are conflicts in page setup options. Do you want to fix them?",
     "Hay opciones de configuración de página en conflicto. ¿Desea corregirlas?", 0},
    {"QPrintPropertiesDialog", "Advanced Option Conflicts", "Conflictos en las opciones avanzadas", 0},
    {"QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?",
     "Algunas opciones avanzadas están en conflicto. ¿Desea corregirlas?", 0},
};

// Installed over Qt's Spanish translation: answers the catalog's Basque
// while the language is Basque, and the Spanish that Qt's translation lacks;
// every other text falls through to Qt's Spanish.
class TraduccionCatalogo : public QTranslator {
public:
    QString translate(const char* contexto, const char* texto, const char*, int) const override {
        if (!contexto || !texto) return {};
        for (const auto& t : kTextosQt) {
            if (std::strcmp(t.contexto, contexto) != 0 || std::strcmp(t.texto, texto) != 0) continue;
            if (lngIdioma == kOffsetEuskera && t.id != 0) {
                // Qt's shortcut mark, where its text had one, on the first letter.
                const QString atajo = std::strchr(texto, '&') ? QStringLiteral("&") : QString();
                return atajo + TextoCatalogo(t.id + kOffsetEuskera);
            }
            return t.espanol ? QString::fromUtf8(t.espanol) : QString();
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void InstalarTraduccionQt() {
    static bool instalada = false;
    if (instalada || !QCoreApplication::instance()) return;
    instalada = true;
    static QTranslator espanol;
    if (espanol.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&espanol);
    // Installed last, so asked first.
    static TraduccionCatalogo catalogo;
    QCoreApplication::installTranslator(&catalogo);
}

}  // namespace quelvo
