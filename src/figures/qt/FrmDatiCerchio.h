#pragma once
// The circle dialogs (FrmDatiCerchio2, FrmDatiCerchio, FrmDatiCerchio1): one
// window laid out from the dialog's row, over the core's ModuloCerchio.
// Modal; Enter is OK, Esc and the close box are Annulla.
#include "figures/Cerchi.h"
#include "state/qt/DialogoCaselle.h"

class QGridLayout;
class QVBoxLayout;

namespace vellora {

class FrmDatiCerchio : public DialogoCaselle {
    Q_OBJECT
public:
    FrmDatiCerchio(Programma& p, const SchedaCerchio& s, QWidget* parent = nullptr);

public slots:
    void reject() override;

private:
    void CreaPunto(int riga, QVBoxLayout* colonna);
    void CreaRaggio(QVBoxLayout* colonna);
    void CreaCasella(QWidget* gruppo, QGridLayout* griglia, const char* nome, const char* etichetta);
    // A core command on the typed texts.
    void Esegui(const std::function<void()>& comando) { DialogoCaselle::Esegui(modulo_.Testi, comando); }
    void Conferma(bool chiudi);

    ModuloCerchio modulo_;
};

// Opens the dialog of a circle item and waits until it closes.
void ApriFrmDatiCerchio(Programma& p, const SchedaCerchio& s, QWidget* parent);

} // namespace vellora
