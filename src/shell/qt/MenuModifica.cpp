// Handlers of the selection and editing commands (Edit menu, replicate,
// data panel, lower toolbar) and of the side toolbar's transformations.
#include "figures/ComandiSelezione.h"
#include "files/ComandiStoria.h"
#include "measures/DatiFigura.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/PulsanteLaterale.h"
#include "transform/Descrittori.h"
#include "transform/Trasformazioni.h"
#include "transform/qt/FrmImpostazioni.h"

namespace vellora {

void FrmPrinc::CollegaMenuModifica()
{
    Collega(Voce::MnuModificaAnnulla, AnnullaPasso);
    Collega(Voce::MnuModificaRipeti, RipetiPasso);
    Collega(Voce::MnuModificaElimina, [](Programma& prog) { EliminaFiguraAttiva(prog); });
    Collega(Voce::MnuFiguraReplica, [](Programma& prog) { ReplicaFiguraAttiva(prog); });
    Collega(Voce::MnuVisualizzaDati, AlternaDati);
    Collega(Voce::CmdElimina, CmdElimina_Click);
    Collega(Voce::CmdReplica, CmdReplica_Click);
    Collega(Voce::FigAvanti, FiguraSuccessiva);
    Collega(Voce::FigIndietro, FiguraPrecedente);
    Collega(Voce::VerticeAvanti, VerticeSuccessivo);
    Collega(Voce::VerticeIndietro, VerticePrecedente);
    const Voce tavolozza[] = {Voce::TavolozzaFigure0, Voce::TavolozzaFigure1, Voce::TavolozzaFigure2,
                              Voce::TavolozzaFigure3, Voce::TavolozzaFigure4, Voce::TavolozzaFigure5,
                              Voce::TavolozzaFigure6, Voce::TavolozzaFigure7};
    for (int i = 0; i < 8; ++i)
        Collega(tavolozza[i], [i](Programma& prog) { ApplicaTavolozza(prog, i); });
}

void FrmPrinc::CollegaBarraLaterale()
{
    for (PulsanteLaterale* pulsante : laterali_) {
        const Descrittore* d = DescrittoreDelPulsante(pulsante->VocePulsante());
        if (!d)
            continue;
        connect(pulsante, &PulsanteLaterale::Rilasciato, this,
                [this, t = d->tipo](Qt::MouseButton b, Qt::KeyboardModifiers tasti) {
                    const ClicLaterale c = DecodificaClic(b, tasti);
                    EseguiPasso(p, NomePasso(DescrittoreDi(t).pulsante), [&] {
                        ClicTrasformazione(
                            p, t, GestoDaMouse(t, c.pulsante, c.shift, c.altri),
                            [this](Programma& prog, Trasformazione tt) { ApriFrmImpostazioni(prog, tt, this); });
                    });
                    Aggiorna();
                });
    }
}

} // namespace vellora
