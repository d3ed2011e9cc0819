#include "controls/filtros.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>
#include <array>

namespace quelvo {

namespace {

constexpr int16_t kRetroceso = 8;
constexpr int16_t kIntro = 13;
constexpr int16_t kEscape = 27;

constexpr std::array<bool, 256> tablaPermitidos() {
    std::array<bool, 256> t{};
    for (int c = 32; c <= 93; ++c) t[c] = true;
    for (int c = 97; c <= 123; ++c) t[c] = true;
    for (int c : {95, 125, 126, 160, 161, 170, 173, 176, 186, 191, 193, 199, 201, 205, 209, 211, 215,
                  218, 220, 225, 231, 233, 237, 241, 243, 250, 252})
        t[c] = true;
    return t;
}

constexpr std::array<bool, 256> kPermitidos = tablaPermitidos();

// Capitals of the code page's letters; "{" and the signs stay as they are.
int16_t mayuscula(int16_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254 && c != 247)) return c - 32;
    return c;
}

enum class Modo { Teclas, Numeros };

// The filter of one box. The text a user edit inserts (typed, pasted,
// dropped or composed) passes the filter; text the program sets does not,
// so what was loaded is shown as stored.
class FiltroCaja : public QValidator {
public:
    FiltroCaja(QLineEdit* caja, Modo m) : QValidator(caja), modo(m), caja_(caja) {
        previo_ = caja->text();
        connect(caja, &QLineEdit::textChanged, this, [this] { previo_ = caja_->text(); });
    }

    State validate(QString& texto, int& pos) const override {
        // A program's setText clears the modified state before it is checked.
        if (!caja_->isModified()) return Acceptable;
        // The text behind the cursor is what the edit left alone.
        qsizetype detras = texto.size() - pos;
        if (detras > previo_.size() || texto.right(detras) != previo_.right(detras)) {
            detras = 0;
            while (detras < texto.size() && detras < previo_.size() &&
                   texto[texto.size() - 1 - detras] == previo_[previo_.size() - 1 - detras])
                ++detras;
        }
        qsizetype delante = 0;
        const qsizetype maxDelante = std::min(texto.size() - detras, previo_.size() - detras);
        while (delante < maxDelante && texto[delante] == previo_[delante]) ++delante;

        const QString insertado = texto.mid(delante, texto.size() - detras - delante);
        const QString filtrado = filtrar(insertado);
        if (filtrado != insertado) {
            texto = texto.left(delante) + filtrado + texto.right(detras);
            pos = static_cast<int>(delante + filtrado.size());
        }
        return Acceptable;
    }

    Modo modo;

private:
    QString filtrar(const QString& texto) const {
        QString resultado;
        for (QChar c : texto) {
            const char16_t u = c.unicode();
            if (modo == Modo::Numeros) {
                if (u >= '0' && u <= '9') resultado += c;
            } else if (u <= 255 && kPermitidos[u]) {
                // Below 256 the code page and Unicode agree on every allowed
                // character.
                resultado += QChar(FiltrarTecla(static_cast<int16_t>(u)));
            }
        }
        return resultado;
    }

    QLineEdit* caja_;
    QString previo_;
};

// Digits pass the key filter unchanged, so a digits-only box stays one when
// the window's filter reaches it.
void filtrar(QLineEdit* caja, Modo modo) {
    if (auto filtro = dynamic_cast<FiltroCaja*>(const_cast<QValidator*>(caja->validator()))) {
        if (modo == Modo::Numeros) filtro->modo = modo;
        return;
    }
    caja->setValidator(new FiltroCaja(caja, modo));
}

}  // namespace

bool TeclaPermitida(int16_t KeyAscii) { return KeyAscii >= 0 && KeyAscii <= 255 && kPermitidos[KeyAscii]; }

int16_t FiltrarTecla(int16_t KeyAscii) {
    if (TeclaPermitida(KeyAscii)) return mayuscula(KeyAscii);
    if (KeyAscii == kIntro || KeyAscii == kRetroceso || KeyAscii == kEscape) return KeyAscii;
    // Codes outside the code page never reach the table: dropped.
    return 0;
}

void SoloNumeros(int16_t& KeyAscii) {
    if (!((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == kRetroceso)) KeyAscii = 0;
}

void FiltrarCaja(QLineEdit* caja) { filtrar(caja, Modo::Teclas); }

void SoloNumeros(QLineEdit* caja) { filtrar(caja, Modo::Numeros); }

void FiltrarVentana(QWidget* ventana) {
    for (QLineEdit* caja : ventana->findChildren<QLineEdit*>())
        if (!caja->validator()) FiltrarCaja(caja);
}

void SeleccionarTexto(QLineEdit* caja) { caja->setSelection(0, static_cast<int>(caja->text().size())); }

}  // namespace quelvo
