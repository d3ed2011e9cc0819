#pragma once
// Drives modal dialogs in tests without ever hanging: `onShown` runs on each
// modal dialog as it appears; whatever is still open after `limitMs` is closed.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace prueba {

// Runs `action` (which opens a modal window and returns when it closes).
// `onShown` gets the active modal widget and should accept, reject or click;
// if it leaves the window open, the window is closed after `limitMs`.
inline void ConModal(const std::function<void()>& action,
                     const std::function<void(QWidget*)>& onShown, int limitMs = 3000) {
    // Guarded: a later dialog may be built where a closed one was.
    QPointer<QWidget> handled;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != handled) {
            handled = modal;
            onShown(modal);
        }
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            else modal->close();
            QApplication::processEvents();
        }
    });
    poll.start();
    watchdog.start(limitMs);
    action();
    poll.stop();
    watchdog.stop();
}

}  // namespace prueba
