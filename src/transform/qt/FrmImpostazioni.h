#pragma once
// The settings dialog of a transformation (FrmSimm1 ... FrmStir2): one window
// laid out from the dialog's row, over the core's ModuloImpostazioni. Modal;
// Enter is OK, Esc and the close box are Annulla.
#include "transform/ModuloImpostazioni.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QVBoxLayout;

namespace vellora {

class FrmImpostazioni : public QDialog {
    Q_OBJECT
public:
    FrmImpostazioni(Programma& p, Trasformazione t, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

public slots:
    void reject() override;

private:
    void CreaGruppo(int g, QVBoxLayout* colonna);
    // Runs a core command on the typed texts and shows the texts it leaves.
    template <typename Comando> void Esegui(Comando comando);
    void Conferma(bool chiudi);

    Programma& p_;
    ModuloImpostazioni modulo_;
    std::vector<QLineEdit*> caselle_;
};

// Opens the dialog of `t` and waits until it closes.
void ApriFrmImpostazioni(Programma& p, Trasformazione t, QWidget* parent);

} // namespace vellora
