#pragma once
// A side-toolbar button. The transformations tell a plain click, a Shift
// click and a right click apart, and act when the mouse button is released,
// so the button reports which button went up and the modifiers held then.
#include "state/Voci.h"

#include <QToolButton>

namespace vellora {

// A release as the core reads it: pulsante one of the codes of TastiMouse.h, 0 any
// other; shift; altri when Ctrl, Alt or Meta is held too.
struct ClicLaterale {
    int pulsante;
    bool shift;
    bool altri;
};
ClicLaterale DecodificaClic(Qt::MouseButton pulsante, Qt::KeyboardModifiers tasti);

class PulsanteLaterale : public QToolButton {
    Q_OBJECT
public:
    explicit PulsanteLaterale(vellora::Voce voce, QWidget* parent = nullptr);
    vellora::Voce VocePulsante() const { return voce_; }

signals:
    void Rilasciato(Qt::MouseButton pulsante, Qt::KeyboardModifiers tasti);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    vellora::Voce voce_;
    Qt::MouseButtons premuti_;
};

} // namespace vellora
