#pragma once
// Typing any text as the user would, key by key, also characters beyond ASCII
// (QTest::keyClicks handles only ASCII).
#include <QString>
#include <QTest>
#include <QWidget>

namespace prueba {

inline void Teclear(QWidget* control, const QString& texto) {
    for (QChar c : texto) {
        const bool ascii = c.unicode() < 128;
        const Qt::Key tecla = ascii ? static_cast<Qt::Key>(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, control, tecla, QString(c), Qt::NoModifier);
    }
}

}  // namespace prueba
