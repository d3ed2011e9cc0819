// The code-list drop-down: preselection, choosing, leaving and checking a
// typed code, with a test owner in place of an editor.
#include <gtest/gtest.h>

#include <QScrollBar>

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

#include "controls/frmContenedorLista_794.h"
#include "dialogos.h"
#include "entorno.h"
#include "quelvort/error.h"
#include "services/cgeneral.h"
#include "services/etiqueta.h"

using namespace quelvo;

namespace {

class Propietario : public PropietarioLista {
public:
    void SelValorLista(QTreeWidget* lsv) override {
        ++llamadas;
        const auto elegidos = lsv->selectedItems();
        clave = elegidos.isEmpty() ? QString() : elegidos[0]->data(0, kRolClave).toString();
        tag = Tag(lsv);
        if (fallar) throw rt::Error(5, "Quelvo", "falla el propietario");
        DescargarContenedorLista();
    }
    int llamadas = 0;
    QString clave, tag;
    bool fallar = false;
};

class ListaCodigos : public ::testing::Test {
protected:
    void TearDown() override {
        DescargarContenedorLista();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The owner's opening sequence with the provinces (codes 01 to 52), run
    // modally; `mostrada` acts on the shown window.
    void abrirProvincias(const QString& codigoActual, const std::function<void(QWidget*)>& mostrada) {
        frmContenedorLista_794& lista = ContenedorLista();
        lista.InicializarLista("Prov");
        lista.RedimensionarLista("Prov", 1400, 250, 1500, codigoActual);
        lista.FormPadre(&propietario_);
        prueba::ConModal([&] { lista.exec(); }, mostrada);
    }
    prueba::Entorno entorno_;
    Propietario propietario_;
};

TEST_F(ListaCodigos, ShowingSelectsTheCurrentCodeExactlyAndEscLeaves) {
    const std::pair<const char*, QStringList> casos[] = {{"20", {"c20"}}, {"", {}}, {"2", {}}, {"c20", {}}};
    for (const auto& [actual, esperados] : casos) {
        QStringList vistos{"sin mostrar"};
        abrirProvincias(actual, [&](QWidget* ventana) {
            vistos.clear();
            for (auto e : ContenedorLista().lsvLista->selectedItems())
                vistos << e->data(0, kRolClave).toString();
            QTest::keyClick(ventana, Qt::Key_Escape);
        });
        EXPECT_EQ(vistos, esperados) << actual;
        EXPECT_EQ(propietario_.llamadas, 0);
        EXPECT_FALSE(ContenedorListaCargado());
    }
}

TEST_F(ListaCodigos, ClickingAnItemHandsTheListToTheOwner) {
    QString pulsada;
    abrirProvincias("20", [&](QWidget*) {
        QTreeWidget* lsv = ContenedorLista().lsvLista;
        QTreeWidgetItem* item = lsv->itemAt(5, 5);  // the first in view, not the preselected one
        ASSERT_NE(item, nullptr);
        pulsada = item->data(0, kRolClave).toString();
        QTest::mouseClick(lsv->viewport(), Qt::LeftButton, {}, lsv->visualItemRect(item).center());
    });
    EXPECT_EQ(propietario_.llamadas, 1);
    EXPECT_EQ(propietario_.clave, pulsada);
    EXPECT_NE(pulsada, "c20");
    EXPECT_EQ(propietario_.tag, "Prov");
    EXPECT_FALSE(ContenedorListaCargado());
}

TEST_F(ListaCodigos, EnterChoosesEvenWithNothingSelected) {
    for (auto [actual, clave] : {std::pair{"48", "c48"}, {"", ""}}) {
        propietario_.llamadas = 0;
        abrirProvincias(actual,
                        [&](QWidget*) { QTest::keyClick(ContenedorLista().lsvLista, Qt::Key_Return); });
        EXPECT_EQ(propietario_.llamadas, 1) << actual;
        EXPECT_EQ(propietario_.clave, clave);
        EXPECT_FALSE(ContenedorListaCargado());
    }
}

TEST_F(ListaCodigos, AFailingOrVanishedOwnerLeavesTheListOpenUntilEsc) {
    propietario_.fallar = true;
    bool abierta = false;
    auto elegirYSalir = [&](QWidget* ventana) {
        QTest::keyClick(ventana, Qt::Key_Enter);
        abierta = ventana->isVisible();
        QTest::keyClick(ventana, Qt::Key_Escape);
    };
    abrirProvincias("01", elegirYSalir);
    EXPECT_EQ(propietario_.llamadas, 1);
    EXPECT_TRUE(abierta);
    frmContenedorLista_794& lista = ContenedorLista();
    {
        Propietario breve;
        lista.FormPadre(&breve);
    }
    EXPECT_EQ(lista.FormPadre(), nullptr);
    abierta = false;
    prueba::ConModal([&] { lista.exec(); }, elegirYSalir);
    EXPECT_TRUE(abierta);
}

TEST_F(ListaCodigos, SizeComesFromTheTwipsAndATypedCodeIsCheckedUnseen) {
    frmContenedorLista_794& lista = ContenedorLista();
    lista.InicializarLista("PROV");
    lista.RedimensionarLista("Prov", 1400, 250, 1500, "");
    // 1400 + 250 twips wide, 1500 high, at 15 twips a pixel; the column grows
    // where a province's name would be cut, the margin stays.
    const int columna = lista.lsvLista->columnWidth(0);
    EXPECT_GE(columna, 93);
    for (int i = 0; i < lista.lsvLista->topLevelItemCount(); ++i) {
        const QString texto = lista.lsvLista->topLevelItem(i)->text(0);
        EXPECT_LT(lista.lsvLista->fontMetrics().horizontalAdvance(texto), columna) << texto.toStdString();
    }
    EXPECT_GT(columna, 93) << "a list of long names keeps its narrow twips width";
    EXPECT_GE(lista.size().width(), columna + 17);
    EXPECT_EQ(lista.size().height(), 100);
    EXPECT_EQ(lista.lsvLista->geometry(), QRect(QPoint(0, 0), lista.size()));
    // Nothing to scroll sideways: the column fits beside the vertical bar.
    lista.show();
    QApplication::processEvents();
    EXPECT_LE(columna, lista.lsvLista->viewport()->width());
    EXPECT_FALSE(lista.lsvLista->horizontalScrollBar()->isVisible());
    lista.hide();
    EXPECT_EQ(lista.lsvLista->columnCount(), 1);
    lista.OldValue("20");
    EXPECT_EQ(lista.ListValue("20"), "GIPUZKOA");
    EXPECT_EQ(lista.ListValue("01"), "ARABA/ÁLAVA");
    EXPECT_EQ(lista.ListValue("1"), "");
    EXPECT_EQ(lista.OldValue(), "20");
    EXPECT_FALSE(lista.isVisible());
    lista.InicializarLista("Nada");
    EXPECT_EQ(lista.ListValue("20"), "");
    DescargarContenedorLista();
    EXPECT_EQ(ContenedorLista().OldValue(), "");
}

}  // namespace
