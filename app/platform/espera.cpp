#include "platform/espera.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace quelvo::plataforma {

int64_t SegundoActual() { return QDateTime::currentSecsSinceEpoch(); }

void EsperarHastaSegundo(int64_t segundo) {
    // A timed loop rather than a busy one: events run, the processor rests.
    for (qint64 faltan; (faltan = segundo * 1000 - QDateTime::currentMSecsSinceEpoch()) > 0;) {
        QEventLoop espera;
        QTimer::singleShot(static_cast<int>(faltan), Qt::PreciseTimer, &espera, &QEventLoop::quit);
        espera.exec();
    }
}

}  // namespace quelvo::plataforma
