#include "program/traduccion_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

#include "services/catalogo.h"
#include "services/globales.h"

namespace quelvo {

namespace {

// A text of Qt's and the catalog entry that says it.
struct TextoQt {
    const char* contexto;
    const char* texto;
    int32_t id;
};

constexpr TextoQt kTextosCatalogo[] = {
    {"QPlatformTheme", "OK", 105},
    {"QPlatformTheme", "Cancel", 111},
    {"QPlatformTheme", "Close", 112},
    {"QPlatformTheme", "Save", 193},
    {"QPlatformTheme", "Help", 109},
    {"QFileDialog", "File &name:", 186},
    {"QFileDialog", "&Save", 193},
    {"QFileDialog", "&Delete", 165},
    {"QFileSystemModel", "Name", 235},
    {"QLineEdit", "&Copy", 289},
    {"QLineEdit", "Delete", 165},
    {"QWidgetTextControl", "&Copy", 289},
    {"QWidgetTextControl", "Delete", 165},
    {"QMdiSubWindow", "&Close", 112},
};

// Answers, while the language is Basque, the catalog's Basque for the texts
// above; every other text falls through to Qt's Spanish.
class TraduccionCatalogo : public QTranslator {
public:
    QString translate(const char* contexto, const char* texto, const char*, int) const override {
        if (lngIdioma != kOffsetEuskera || !contexto || !texto) return {};
        for (const auto& t : kTextosCatalogo) {
            if (std::strcmp(t.contexto, contexto) != 0 || std::strcmp(t.texto, texto) != 0) continue;
            // Qt's shortcut mark, where its text had one, on the first letter.
            const QString atajo = std::strchr(texto, '&') ? QStringLiteral("&") : QString();
            return atajo + TextoCatalogo(t.id + kOffsetEuskera);
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
