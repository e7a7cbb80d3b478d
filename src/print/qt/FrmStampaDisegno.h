#pragma once
// The print dialog: copies, scale factor, page orientation. Modal; the rules
// are the core's DialogoStampa.
#include "print/DialogoStampa.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace vellora {

class Programma;

class FrmStampaDisegno : public QDialog {
    Q_OBJECT
public:
    FrmStampaDisegno(const Programma& p, Stampante& stampante, QWidget* parent = nullptr);

    const DialogoStampa& Dialogo() const { return dialogo_; }

private:
    void Stampa();

    DialogoStampa dialogo_;
    QLineEdit* txtNumCopie_;
    QComboBox* combo1_;
};

} // namespace vellora
