// The declarant export window: lists of every declarant, the moves, and the
// exchange file written in the chosen order through the destination window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "dialogos.h"
#include "entorno.h"
#include "exchange/frmExporDtes_794.h"
#include "interaccion_prueba.h"
#include "quelvort/textfile.h"
#include "services/globales.h"

namespace {

class ExportacionVentana : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string resto = "'CL', 'MAYOR', 1, ' ', ' ', ' ', ' ', 1, 1, 'VITORIA', 945000000, ' ', 0)";
        for (const std::string fila : {"(1, 'B12345674', 'COMERCIAL ARABA SL', ",
                                       "(2, '12345678Z', 'ETXEBERRIA, JON', ",
                                       "(12, 'X1234567L', 'IBAÑEZ O´BRIEN', "})
            entorno_.sql("INSERT INTO TDeclarante (coddec, dni_cifd, nombred, viad, domiciliod, numerod, "
                         "letrad, escalerad, pisod, manod, cod, codpostald, municipiod, telefonod, "
                         "nombrepd, telefonopd) VALUES " + fila + resto);
        destino_ = QString::fromStdString(quelvo::strRutaTrabajo) + "/elegidos.txt";
    }
    void TearDown() override {
        if (v_) v_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static std::vector<std::string> Nifs(QTreeWidget* lista) {
        std::vector<std::string> r;
        for (int i = 0; i < lista->topLevelItemCount(); ++i)
            r.push_back(lista->topLevelItem(i)->text(2).toStdString());
        return r;
    }
    void Elegir(const char* nif) {
        for (int i = 0; i < v_->lsvOrg->topLevelItemCount(); ++i)
            if (v_->lsvOrg->topLevelItem(i)->text(2) == nif) v_->lsvOrg->setCurrentItem(v_->lsvOrg->topLevelItem(i));
        QTest::mouseClick(v_->cmdUD, Qt::LeftButton);
    }
    // Accepts (or cancels) the destination window with `destino_` as the file.
    void Aceptar(bool enElDestino) {
        prueba::ConModal([this] { QTest::mouseClick(v_->cmdAceptar, Qt::LeftButton); },
                         [this, enElDestino](QWidget* ventana) {
                             ventana->findChild<QLabel*>("lblRuta")->setText(destino_);
                             ventana->findChild<QPushButton*>(enElDestino ? "cmdAceptar" : "cmdCancelar")
                                 ->click();
                         });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
    QPointer<quelvo::frmExporDtes_794> v_;
    QString destino_;
};

TEST_F(ExportacionVentana, ChosenDeclarantsAreWrittenInTheirOrder) {
    v_ = quelvo::frmExporDtes_794::Mostrar();
    EXPECT_EQ(Nifs(v_->lsvOrg), (std::vector<std::string>{"12345678Z", "B12345674", "X1234567L"}));
    EXPECT_EQ(v_->lsvOrg->topLevelItem(2)->text(0), "0012");
    EXPECT_FALSE(v_->cmdAceptar->isEnabled());
    Elegir("X1234567L");
    Elegir("12345678Z");
    EXPECT_EQ(Nifs(v_->lsvDes), (std::vector<std::string>{"X1234567L", "12345678Z"}));
    EXPECT_TRUE(v_->cmdAceptar->isEnabled());
    Aceptar(true);
    EXPECT_TRUE(v_.isNull());
    ASSERT_TRUE(QFile::exists(destino_));
    const auto lineas = rt::ReadAllLines(destino_.toStdString());
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(lineas[0].substr(0, 9), "X1234567L");
    EXPECT_EQ(lineas[1].substr(0, 9), "12345678Z");
    EXPECT_TRUE(pantalla_.avisos.empty());
}

TEST_F(ExportacionVentana, MovesFollowTheListsAndCancelWritesNothing) {
    v_ = quelvo::frmExporDtes_794::Mostrar();
    QTest::mouseClick(v_->cmdVD, Qt::LeftButton);
    EXPECT_EQ(v_->lsvOrg->topLevelItemCount(), 0);
    EXPECT_EQ(v_->lsvDes->topLevelItemCount(), 3);
    EXPECT_FALSE(v_->cmdUD->isEnabled());
    EXPECT_FALSE(v_->cmdVD->isEnabled());
    EXPECT_TRUE(v_->cmdUI->isEnabled() && v_->cmdVI->isEnabled() && v_->cmdAceptar->isEnabled());
    // A declarant moved back goes to the end of the available list, selected.
    v_->lsvDes->setCurrentItem(v_->lsvDes->topLevelItem(0));
    QTest::mouseClick(v_->cmdUI, Qt::LeftButton);
    ASSERT_EQ(v_->lsvOrg->topLevelItemCount(), 1);
    EXPECT_TRUE(v_->lsvOrg->topLevelItem(0)->isSelected());
    QTest::mouseClick(v_->cmdVI, Qt::LeftButton);
    EXPECT_EQ(v_->lsvOrg->topLevelItemCount(), 3);
    EXPECT_FALSE(v_->cmdAceptar->isEnabled());
    Elegir("B12345674");
    Aceptar(false);
    EXPECT_TRUE(v_.isNull());
    EXPECT_FALSE(QFile::exists(destino_));
}

TEST_F(ExportacionVentana, NoDeclarantLeavesOnlyCancel) {
    entorno_.sql("DELETE FROM TDeclarante");
    v_ = quelvo::frmExporDtes_794::Mostrar();
    EXPECT_EQ(v_->lsvOrg->topLevelItemCount(), 0);
    for (QPushButton* b : {v_->cmdUD, v_->cmdVD, v_->cmdUI, v_->cmdVI, v_->cmdAceptar})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(v_->cmdCancelar->isEnabled());
}

TEST_F(ExportacionVentana, AFileThatCannotBeWrittenIsReported) {
    destino_ = QString::fromStdString(quelvo::strRutaTrabajo) + "/falta/elegidos.txt";
    v_ = quelvo::frmExporDtes_794::Mostrar();
    Elegir("B12345674");
    Aceptar(true);
    EXPECT_TRUE(v_.isNull());
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_TRUE(pantalla_.avisos[0].startsWith("Error de exportación|Se ha producido un error durante la exportación "));
}

}  // namespace
