#include "shell/qt/PulsanteLaterale.h"

#include "state/TastiMouse.h"

#include <QMouseEvent>

namespace vellora {

ClicLaterale DecodificaClic(Qt::MouseButton pulsante, Qt::KeyboardModifiers tasti)
{
    const int codice = pulsante == Qt::LeftButton     ? PulsanteSinistro
                       : pulsante == Qt::RightButton  ? PulsanteDestro
                       : pulsante == Qt::MiddleButton ? PulsanteCentrale
                                                      : 0;
    return {codice, tasti.testFlag(Qt::ShiftModifier),
            (tasti & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0};
}

PulsanteLaterale::PulsanteLaterale(vellora::Voce voce, QWidget* parent) : QToolButton(parent), voce_(voce)
{
    setObjectName(QString::fromUtf8(vellora::NomeVoce(voce)));
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    // The right button opens the settings: no context menu may take it first.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void PulsanteLaterale::mousePressEvent(QMouseEvent* e)
{
    premuti_ |= e->button();
    if (e->button() == Qt::LeftButton) {
        QToolButton::mousePressEvent(e);
        return;
    }
    // QAbstractButton ignores the other buttons, which would then reach the
    // toolbar; the button shows itself pressed for them too.
    setDown(true);
    e->accept();
}

void PulsanteLaterale::mouseReleaseEvent(QMouseEvent* e)
{
    const bool eraPremuto = premuti_.testFlag(e->button());
    premuti_ &= ~Qt::MouseButtons(e->button());
    if (e->button() == Qt::LeftButton)
        QToolButton::mouseReleaseEvent(e);
    else
        setDown(false);
    e->accept();
    // Like a release anywhere after a press on the button, whether or not the
    // pointer is still over it.
    if (eraPremuto && isEnabled())
        emit Rilasciato(e->button(), e->modifiers());
}

} // namespace vellora
