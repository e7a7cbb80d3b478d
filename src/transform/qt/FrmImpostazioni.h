#pragma once
// The settings dialog of a transformation (FrmSimm1 ... FrmStir2): one window
// laid out from the dialog's row, over the core's ModuloImpostazioni. Modal;
// Enter is OK, Esc and the close box are Annulla.
#include "state/qt/DialogoCaselle.h"
#include "transform/ModuloImpostazioni.h"

class QVBoxLayout;

namespace vellora {

class FrmImpostazioni : public DialogoCaselle {
    Q_OBJECT
public:
    FrmImpostazioni(Programma& p, Trasformazione t, QWidget* parent = nullptr);

public slots:
    void reject() override;

private:
    void CreaGruppo(int g, QVBoxLayout* colonna);
    // A core command on the typed texts.
    void Esegui(const std::function<void()>& comando) { DialogoCaselle::Esegui(modulo_.Testi, comando); }
    void Conferma(bool chiudi);

    Programma& p_;
    ModuloImpostazioni modulo_;
};

// Opens the dialog of `t` and waits until it closes.
void ApriFrmImpostazioni(Programma& p, Trasformazione t, QWidget* parent);

} // namespace vellora
