#pragma once
// For timing the start-up: with VELLORA_ESCI_DOPO_AVVIO set the program ends
// as soon as its window is up, or, set to "dipinta", once the window's first
// frame has been painted. The bare window the start-up is compared with
// ends the same way.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vellora {

inline void EsciDopoAvvio(QWidget& finestra)
{
    const QByteArray modo = qgetenv("VELLORA_ESCI_DOPO_AVVIO");
    if (modo.isEmpty())
        return;
    if (modo != "dipinta") {
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return;
    }
    // The window paints first, then its children, then the frame goes to
    // the screen; the quit comes after all of it.
    struct Pittura : QObject {
        bool eventFilter(QObject* oggetto, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) {
                oggetto->removeEventFilter(this);
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            }
            return false;
        }
    };
    auto* pittura = new Pittura;
    pittura->setParent(&finestra);
    finestra.installEventFilter(pittura);
}

} // namespace vellora
