// Handlers of the Settings menu and of the plane buttons of the lower toolbar.
#include "plane/Quadranti.h"
#include "plane/qt/FrmRange.h"
#include "plane/qt/FrmScala.h"
#include "shell/qt/FrmPrinc.h"
#include "transform/Descrittori.h"
#include "transform/Trasformazioni.h"
#include "transform/qt/FrmImpostazioni.h"

namespace vellora {

void FrmPrinc::CollegaMenuImposta()
{
    Collega(Voce::MnuImpostazioniRange, [this](Programma& prog) { ApriFrmRange(prog, this); });
    Collega(Voce::MnuImpostazioniScala, [this](Programma& prog) { ApriFrmScala(prog, this); });
    // Each item of Imposta > Trasformazione acts as a right click on its button.
    for (const Descrittore& d : Descrittori())
        Collega(d.impostazioni, [this, t = d.tipo](Programma& prog) {
            ClicTrasformazione(prog, t, Gesto::Impostazioni,
                               [this](Programma& q, Trasformazione tt) { ApriFrmImpostazioni(q, tt, this); });
        });
    Collega(Voce::PrimoQuadrante, PrimoQuadrante);
    Collega(Voce::SecondoQuadrante, SecondoQuadrante);
    Collega(Voce::TerzoQuadrante, TerzoQuadrante);
    Collega(Voce::QuartoQuadrante, QuartoQuadrante);
    Collega(Voce::ResettaPiano, ResettaPiano);
    const std::pair<Voce, DirezionePiano> spostamenti[] = {{Voce::TraslaPiano1, DirezionePiano::Destra},
                                                           {Voce::TraslaPiano2, DirezionePiano::Sinistra},
                                                           {Voce::TraslaPiano3, DirezionePiano::Alto},
                                                           {Voce::TraslaPiano4, DirezionePiano::Basso}};
    for (const auto& [v, d] : spostamenti)
        Collega(v, [d = d](Programma& prog) { TraslaPiano(prog, d); });
}

} // namespace vellora
