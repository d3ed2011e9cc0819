#pragma once
// One count of an import window: its number, held as a label's text, and its
// progress bar.
#include <QColor>
#include <cstdint>

class QLabel;
class QProgressBar;
class QWidget;

namespace quelvo {

class Contador {
public:
    // The label `numero` starts at "0"; the bar has minimum 0 and, when
    // `color` is valid, that colour.
    Contador(QWidget* padre, const char* numero, const char* barra, QColor color = QColor());

    // One more line of this count; shown at the next Mostrar.
    void Sumar() { ++valor_; }
    // The number and the bar as the count stands.
    void Mostrar();
    // The bar's maximum; 0 sets 1.
    void Maximo(int32_t n);
    int32_t Valor() const { return valor_; }

    QLabel* lblNumero = nullptr;
    QProgressBar* bpgBarra = nullptr;

private:
    int32_t valor_ = 0;
};

inline const QColor kVerde(0, 255, 0);
inline const QColor kRojo(255, 0, 0);

}  // namespace quelvo
