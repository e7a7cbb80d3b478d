#pragma once
// The two auxiliary dialogs of the settings, FrmPuntoMedio and
// FrmTraslazioneQR: the pickers of Q and of R over the core's ModuloPuntiQR.
#include "transform/PuntiQR.h"

#include <QDialog>

namespace vellora {

class FrmPuntiQR : public QDialog {
    Q_OBJECT
public:
    enum Tipo { PuntoMedio, TraslazioneQR };
    FrmPuntiQR(Programma& p, Tipo tipo, QWidget* parent = nullptr);

    // The vector from Q to R, once the translation dialog is confirmed.
    PuntoF Vettore() const { return modulo_.Vettore(); }

private:
    ModuloPuntiQR modulo_;
};

} // namespace vellora
