// The shared progress window and its step routine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>
#include <limits>

#include "quelvort/error.h"
#include "services/globales.h"
#include "windows/frmBarraDeProgreso_794.h"

using namespace quelvo;

namespace {

// A job as the long runs drive the window: total, counter, show, steps.
class Progreso : public ::testing::Test {
protected:
    void Empezar(int32_t total) {
        intTotalProgreso = total;
        intProgreso = 0;
        valores_.clear();
        ventana_ = &BarraDeProgreso();
        ventana_->lblTitulo->setText("Generando el fichero para el envío");
        ventana_->show();
        QObject::connect(ventana_->bpgGeneral, &QProgressBar::valueChanged,
                         [this](int v) { valores_ << v; });
    }
    // True once the window of this job has been unloaded.
    bool Cerrada() const { return !ventana_ || !ventana_->isVisible(); }
    void TearDown() override {
        intTotalProgreso = intProgreso = 0;
        QApplication::processEvents();
    }
    QPointer<frmBarraDeProgreso_794> ventana_;
    QList<int> valores_;
};

// Queues a call that only a step's event processing can deliver.
void EnCola(const std::function<void()>& llamada) {
    QMetaObject::invokeMethod(qApp, llamada, Qt::QueuedConnection);
}

TEST_F(Progreso, StepsFillTheBarAndTheLastOneCloses) {
    Empezar(5);
    EXPECT_EQ(QApplication::activeModalWidget(), ventana_.data());
    int entregadas = 0;
    for (int paso = 1; paso <= 5; ++paso) {
        EnCola([&] { ++entregadas; });
        EXPECT_FALSE(AvanzarProgreso(1)) << paso;
        if (paso < 5) {
            EXPECT_EQ(entregadas, paso) << "events run at step " << paso;
            EXPECT_FALSE(Cerrada()) << paso;
        }
    }
    EXPECT_EQ(entregadas, 4);
    EXPECT_EQ(valores_, QList<int>({1, 2, 3, 4, 5}));
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(intProgreso, 0);
    QApplication::processEvents();
}

TEST_F(Progreso, CancelOrTheCloseBoxIsAnsweredAtTheNextStepAndTheNextJobStartsClean) {
    Empezar(5);
    EXPECT_FALSE(AvanzarProgreso(1));
    // The click arrives while the second step lets events in.
    EnCola([this] { QTest::mouseClick(ventana_->cmdCancelar, Qt::LeftButton); });
    EXPECT_FALSE(AvanzarProgreso(1));
    EXPECT_FALSE(Cerrada());
    EXPECT_TRUE(AvanzarProgreso(1));
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(intProgreso, 0);
    EXPECT_EQ(valores_, QList<int>({1, 2}));
    Empezar(2);
    EXPECT_FALSE(AvanzarProgreso(1));
    EXPECT_FALSE(AvanzarProgreso(1));
    EXPECT_EQ(valores_, QList<int>({1, 2}));
    // The close box cancels like the button.
    Empezar(5);
    EXPECT_FALSE(AvanzarProgreso(1));
    ventana_->close();
    EXPECT_FALSE(Cerrada());
    EXPECT_TRUE(AvanzarProgreso(1));
    EXPECT_TRUE(Cerrada());
}

TEST_F(Progreso, StepsThatPassTheTotalOrHaveNoTotalClose) {
    auto cerrada = [this](const QList<int>& valores) {
        EXPECT_TRUE(Cerrada());
        EXPECT_EQ(intProgreso, 0);
        EXPECT_EQ(valores_, valores);
    };
    Empezar(5);
    EXPECT_FALSE(AvanzarProgreso(3));
    EXPECT_FALSE(AvanzarProgreso(3));
    cerrada({3});
    Empezar(0);  // no total, even with Cancel pressed
    ventana_->cmdCancelar->click();
    EXPECT_FALSE(AvanzarProgreso(1));
    cerrada({});
    Empezar(4);  // the caller's finishing call
    EXPECT_FALSE(AvanzarProgreso(1));
    intProgreso = intTotalProgreso;
    EXPECT_FALSE(AvanzarProgreso(intProgreso));
    cerrada({1});
}

TEST_F(Progreso, CountersHold32Bits) {
    Empezar(100000);
    EXPECT_FALSE(AvanzarProgreso(40000));
    EXPECT_FALSE(AvanzarProgreso(40000));
    EXPECT_EQ(intProgreso, 80000);
    EXPECT_EQ(ventana_->bpgGeneral->maximum(), 100000);
    EXPECT_EQ(valores_, QList<int>({40000, 80000}));
    intProgreso = std::numeric_limits<int32_t>::max() - 1;
    try {
        AvanzarProgreso(2);
        ADD_FAILURE() << "no overflow";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, rt::err::Overflow);
    }
    EXPECT_EQ(intProgreso, std::numeric_limits<int32_t>::max() - 1);
    intProgreso = intTotalProgreso;
    AvanzarProgreso(0);
}

}  // namespace
