// Handlers of the File menu.
#include "files/ComandiDisegno.h"
#include "files/FileFigura.h"
#include "files/qt/Bitmap.h"
#include "plane/qt/FrmPiano.h"
#include "print/qt/Stampa.h"
#include "shell/NuovoDisegno.h"
#include "shell/qt/FrmPrinc.h"

namespace vellora {

void FrmPrinc::CollegaMenuFile()
{
    connect(Azione(Voce::MnuFileNuovo), &QAction::triggered, this, &FrmPrinc::MnuFileNuovo_Click);
    connect(Azione(Voce::MnuFileEsci), &QAction::triggered, this, &FrmPrinc::MnuFileEsci_Click);
    Collega(Voce::MnuFileApri, ApriDisegno);
    Collega(Voce::MnuFileSalva, [](Programma& prog) { SalvaDisegno(prog); });
    Collega(Voce::MnuFileSalvaNome, [](Programma& prog) { SalvaDisegnoConNome(prog); });
    Collega(Voce::MnuFileSalvaFiguraNome, SalvaFiguraConNome);
    Collega(Voce::MnuFileUltimoDisegno, ApriUltimoDisegno);
    Collega(Voce::MnuFiguraFile, InserisciFiguraDaFile);
    connect(Azione(Voce::MnuFileSalvaBitmap), &QAction::triggered, this,
            [this] { SalvaBitmap(p, piano_->Schermo().Immagine()); });
    connect(Azione(Voce::MnuFileStampa), &QAction::triggered, this, [this] { StampaDisegno(p, this); });
    connect(Azione(Voce::MnuFileClipboard), &QAction::triggered, this,
            [this] { CopiaBitmapNegliAppunti(piano_->Schermo().Immagine()); });
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
