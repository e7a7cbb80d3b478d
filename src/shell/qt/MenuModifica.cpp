// Handlers of the selection and editing commands (Edit menu, replicate,
// data panel, lower toolbar) and of the side toolbar's transformations.
#include "figures/DatiFigura.h"
#include "shell/Selezione.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/PulsanteLaterale.h"
#include "transform/Trasformazioni.h"

namespace vellora {

void FrmPrinc::CollegaMenuModifica()
{
    const auto collega = [this](Voce v, void (*comando)(Programma&)) {
        connect(Azione(v), &QAction::triggered, this, [this, comando] { comando(p); });
    };
    collega(Voce::MnuModificaElimina, [](Programma& p) { EliminaFiguraAttiva(p); });
    collega(Voce::MnuFiguraReplica, [](Programma& p) { ReplicaFiguraAttiva(p); });
    collega(Voce::MnuVisualizzaDati, AlternaDati);
    collega(Voce::CmdElimina, CmdElimina_Click);
    collega(Voce::CmdReplica, CmdReplica_Click);
    collega(Voce::FigAvanti, FiguraSuccessiva);
    collega(Voce::FigIndietro, FiguraPrecedente);
    collega(Voce::VerticeAvanti, VerticeSuccessivo);
    collega(Voce::VerticeIndietro, VerticePrecedente);
    const Voce tavolozza[] = {Voce::TavolozzaFigure0, Voce::TavolozzaFigure1, Voce::TavolozzaFigure2,
                              Voce::TavolozzaFigure3, Voce::TavolozzaFigure4, Voce::TavolozzaFigure5,
                              Voce::TavolozzaFigure6, Voce::TavolozzaFigure7};
    for (int i = 0; i < 8; ++i)
        connect(Azione(tavolozza[i]), &QAction::triggered, this, [this, i] { ApplicaTavolozza(p, i); });
}

void FrmPrinc::CollegaBarraLaterale()
{
    for (PulsanteLaterale* pulsante : laterali_) {
        for (Trasformazione t : TutteLeTrasformazioni) {
            if (VoceDi(t) != pulsante->VocePulsante())
                continue;
            connect(pulsante, &PulsanteLaterale::Rilasciato, this,
                    [this, t](Qt::MouseButton b, Qt::KeyboardModifiers tasti) {
                        const ClicLaterale c = DecodificaClic(b, tasti);
                        ClicTrasformazione(p, t, GestoDaMouse(t, c.pulsante, c.shift, c.altri));
                    });
        }
    }
}

} // namespace vellora
