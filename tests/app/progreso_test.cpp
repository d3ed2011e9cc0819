// The shared progress window and its step routine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>
#include <limits>

#include "quelvort/error.h"
#include "shell/frmBarraDeProgreso_794.h"
#include "shell/globales.h"

using namespace quelvo;

namespace {

// A job as the long runs drive the window: total, counter, show, steps.
class Progreso : public ::testing::Test {
protected:
    void Empezar(int32_t total) {
        intTotalProgreso = total;
        intProgreso = 0;
        ventana_ = &BarraDeProgreso();
        ventana_->lblTitulo->setText("Generando el fichero para el envío");
        ventana_->show();
        QObject::connect(ventana_->bpgGeneral, &QProgressBar::valueChanged,
                         [this](int v) { valores_ << v; });
    }
    // True once the window of this job has been unloaded.
    bool Cerrada() const { return !ventana_ || !ventana_->isVisible(); }
    void TearDown() override {
        intTotalProgreso = 0;
        intProgreso = 0;
        lngIdioma = 0;
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

TEST_F(Progreso, CancelIsAnsweredAtTheNextStep) {
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

    // The next job starts clean.
    valores_.clear();
    Empezar(2);
    EXPECT_FALSE(AvanzarProgreso(1));
    EXPECT_FALSE(AvanzarProgreso(1));
    EXPECT_EQ(valores_, QList<int>({1, 2}));
}

TEST_F(Progreso, CloseBoxCancelsLikeTheButton) {
    Empezar(5);
    EXPECT_FALSE(AvanzarProgreso(1));
    ventana_->close();
    EXPECT_FALSE(Cerrada());
    EXPECT_TRUE(AvanzarProgreso(1));
    EXPECT_TRUE(Cerrada());
}

TEST_F(Progreso, StepsThatPassTheTotalOrHaveNoTotalClose) {
    struct Caso {
        const char* nombre;
        int32_t total;
        std::vector<int32_t> pasos;
        bool cancelar;
        QList<int> valores;
    };
    const Caso casos[] = {
        {"past the total", 5, {3, 3}, false, {3}},
        {"no total", 0, {1}, true, {}},
        {"finishing call", 4, {1, 1}, false, {1}},
    };
    for (const Caso& c : casos) {
        valores_.clear();
        Empezar(c.total);
        if (c.cancelar) ventana_->cmdCancelar->click();
        for (size_t i = 0; i + 1 < c.pasos.size(); ++i) EXPECT_FALSE(AvanzarProgreso(c.pasos[i]));
        if (std::string(c.nombre) == "finishing call") {
            intProgreso = intTotalProgreso;
            EXPECT_FALSE(AvanzarProgreso(intProgreso)) << c.nombre;
        } else {
            EXPECT_FALSE(AvanzarProgreso(c.pasos.back())) << c.nombre;
        }
        EXPECT_TRUE(Cerrada()) << c.nombre;
        EXPECT_EQ(intProgreso, 0) << c.nombre;
        EXPECT_EQ(valores_, c.valores) << c.nombre;
    }
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
