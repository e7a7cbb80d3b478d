#pragma once
// The scale dialog: plane units per tick on each axis. Modal; the rules are
// the core's DialogoScala.
#include "plane/Scala.h"

#include <QDialog>

class QLineEdit;

namespace vellora {

class Programma;

class FrmScala : public QDialog {
    Q_OBJECT
public:
    explicit FrmScala(Programma& p, QWidget* parent = nullptr);

public slots:
    void reject() override; // Annulla, Esc and the close box restore alike

private:
    // Runs a core command with the typed texts and shows the texts it leaves.
    template <typename Comando> void Esegui(Comando comando);

    DialogoScala dialogo_;
    QLineEdit* text1_;
    QLineEdit* text2_;
};

// Opens the dialog and waits until it closes (menu "Impostazioni > Scala").
void ApriFrmScala(Programma& p, QWidget* parent);

} // namespace vellora
