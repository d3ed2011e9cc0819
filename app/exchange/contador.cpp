#include "exchange/contador.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

namespace quelvo {

Contador::Contador(QWidget* padre, const char* numero, const char* barra, QColor color) {
    lblNumero = new QLabel("0", padre);
    lblNumero->setObjectName(numero);
    lblNumero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblNumero->setMinimumWidth(lblNumero->fontMetrics().horizontalAdvance("0000000"));
    bpgBarra = new QProgressBar(padre);
    bpgBarra->setObjectName(barra);
    bpgBarra->setRange(0, 1);
    bpgBarra->setValue(0);
    bpgBarra->setTextVisible(false);
    if (color.isValid())
        bpgBarra->setStyleSheet(QString("QProgressBar::chunk { background-color: %1; }").arg(color.name()));
}

void Contador::Mostrar() {
    lblNumero->setText(QString::number(valor_));
    bpgBarra->setValue(std::min(valor_, bpgBarra->maximum()));
}

void Contador::Maximo(int32_t n) { bpgBarra->setMaximum(std::max(n, 1)); }

}  // namespace quelvo
