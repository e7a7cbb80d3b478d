// Handlers of the File menu.
#include "shell/NuovoDisegno.h"
#include "shell/qt/FrmPrinc.h"

namespace vellora {

void FrmPrinc::CollegaMenuFile()
{
    connect(Azione(Voce::MnuFileNuovo), &QAction::triggered, this, &FrmPrinc::MnuFileNuovo_Click);
    connect(Azione(Voce::MnuFileEsci), &QAction::triggered, this, &FrmPrinc::MnuFileEsci_Click);
}

void FrmPrinc::MnuFileNuovo_Click()
{
    NuovoDisegno(p);
}

void FrmPrinc::MnuFileEsci_Click()
{
    close();
}

} // namespace vellora
