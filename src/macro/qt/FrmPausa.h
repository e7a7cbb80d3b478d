#pragma once
// The pause settings dialog: automatic pauses on or off and the length of
// one pause. Modal; OK hands the values to the core, Annulla drops them.
#include <QDialog>

class QCheckBox;
class QSlider;

namespace vellora {

class Programma;

class FrmPausa : public QDialog {
    Q_OBJECT
public:
    explicit FrmPausa(Programma& p, QWidget* parent = nullptr);

private:
    Programma& p_;
    QCheckBox* check1_;
    QSlider* slider1_;
};

// Shows the dialog and waits until it closes (menu "Macro > Imposta pausa").
void ApriFrmPausa(Programma& p, QWidget* parent);

} // namespace vellora
