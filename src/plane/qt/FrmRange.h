#pragma once
// The range dialog: ticks on the axes, grid style and intensity. Modal; the
// rules are the core's DialogoRange.
#include "plane/Range.h"

#include <QDialog>

class QLineEdit;

namespace vellora {

class Programma;

class FrmRange : public QDialog {
    Q_OBJECT
public:
    explicit FrmRange(Programma& p, QWidget* parent = nullptr);

public slots:
    void reject() override; // Annulla, Esc and the close box restore alike

private:
    // Runs a core command with the typed text and shows the text it leaves.
    template <typename Comando> void Esegui(Comando comando);

    DialogoRange dialogo_;
    QLineEdit* text1_;
};

// Opens the dialog and waits until it closes (menu "Impostazioni > Range").
void ApriFrmRange(Programma& p, QWidget* parent);

} // namespace vellora
