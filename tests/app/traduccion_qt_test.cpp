// Qt's own texts in the program's language: the file chooser of the path box
// and the standard buttons of boxes raised outside our message window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "dialogos.h"
#include "entorno.h"
#include "printing/cselfichero.h"
#include "printing/ctrSelFichero_794.h"
#include "program/traduccion_qt.h"
#include "services/catalogo.h"

using namespace quelvo;

namespace {

class TraduccionQt : public ::testing::Test {
protected:
    void SetUp() override {
        InstalarTraduccionQt();
        objSelFichero().RutaPorDefecto(entorno_.carpeta() + "/794_CE11.txt");
    }
    void TearDown() override { lngIdioma = 0; }
    prueba::Entorno entorno_;
};

// What the chooser shows: its labels, its two buttons, its first filter.
struct Selector {
    QString buscarEn, nombre, tipo, aceptar, cancelar, filtro;
    bool guardar = false;
};

Selector Abrir(UsoFichero uso) {
    ctrSelFichero_794 caja(nullptr, uso);
    Selector visto;
    prueba::ConModal([&] { caja.cmdExplorar->click(); },
                     [&](QWidget* w) {
                         auto d = qobject_cast<QFileDialog*>(w);
                         if (!d) return;
                         visto.buscarEn = d->labelText(QFileDialog::LookIn);
                         visto.nombre = d->labelText(QFileDialog::FileName);
                         visto.tipo = d->labelText(QFileDialog::FileType);
                         auto botones = d->findChild<QDialogButtonBox*>();
                         visto.aceptar = botones->button(QDialogButtonBox::Open)
                                             ? botones->button(QDialogButtonBox::Open)->text()
                                             : botones->button(QDialogButtonBox::Save)->text();
                         visto.cancelar = botones->button(QDialogButtonBox::Cancel)->text();
                         visto.filtro = d->nameFilters().value(0);
                         visto.guardar = d->acceptMode() == QFileDialog::AcceptSave;
                         d->reject();
                     });
    return visto;
}

TEST_F(TraduccionQt, FileChooserSpeaksTheUsersLanguage) {
    const struct {
        int32_t idioma;
        UsoFichero uso;
        const char* buscarEn;
        const char* nombre;
        const char* tipo;
        const char* aceptar;
        const char* cancelar;
        const char* filtro;
    } casos[] = {
        // Qt's own Spanish translation.
        {0, UsoFichero::Escribir, "Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Guardar",
         "Cancelar", "Todos los archivos (*)"},
        {0, UsoFichero::Leer, "Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Abrir", "Cancelar",
         "Todos los archivos (*)"},
        // The catalog's Basque where it has the text, Spanish for the rest.
        {kOffsetEuskera, UsoFichero::Escribir, "Ver en:", "&Fitxategi:", "Ficheros de tipo:", "&Grabatu", "Utzi",
         "Fitxategi guztiak (*)"},
        {kOffsetEuskera, UsoFichero::Leer, "Ver en:", "&Fitxategi:", "Ficheros de tipo:", "&Abrir", "Utzi",
         "Fitxategi guztiak (*)"},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        const Selector visto = Abrir(c.uso);
        const std::string caso = std::to_string(c.idioma) + (c.uso == UsoFichero::Leer ? " leer" : " escribir");
        EXPECT_EQ(visto.guardar, c.uso == UsoFichero::Escribir) << caso;
        EXPECT_EQ(visto.buscarEn.toStdString(), c.buscarEn) << caso;
        EXPECT_EQ(visto.nombre.toStdString(), c.nombre) << caso;
        EXPECT_EQ(visto.tipo.toStdString(), c.tipo) << caso;
        EXPECT_EQ(visto.aceptar.toStdString(), c.aceptar) << caso;
        EXPECT_EQ(visto.cancelar.toStdString(), c.cancelar) << caso;
        EXPECT_EQ(visto.filtro.toStdString(), c.filtro) << caso;
    }
}

TEST_F(TraduccionQt, StandardButtonsOfQtBoxesInTheUsersLanguage) {
    const struct {
        int32_t idioma;
        QMessageBox::StandardButton boton;
        const char* texto;
    } casos[] = {
        {0, QMessageBox::Ok, "Aceptar"},
        {0, QMessageBox::Cancel, "Cancelar"},
        {0, QMessageBox::Close, "Cerrar"},
        {kOffsetEuskera, QMessageBox::Ok, "Ados"},
        {kOffsetEuskera, QMessageBox::Cancel, "Utzi"},
        {kOffsetEuskera, QMessageBox::Close, "Itxi"},
        // Not in the catalog: Qt's Spanish.
        {kOffsetEuskera, QMessageBox::Open, "Abrir"},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        QMessageBox caja(QMessageBox::Warning, "Quelvo", "x", c.boton);
        EXPECT_EQ(caja.button(c.boton)->text().toStdString(), c.texto) << c.idioma << "/" << c.boton;
    }
}

}  // namespace
