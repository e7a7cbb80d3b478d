// Handlers of the Settings menu and of the plane buttons of the lower toolbar.
#include "plane/Quadranti.h"
#include "plane/qt/FrmRange.h"
#include "plane/qt/FrmScala.h"
#include "shell/qt/FrmPrinc.h"

namespace vellora {

void FrmPrinc::CollegaMenuImposta()
{
    connect(Azione(Voce::MnuImpostazioniRange), &QAction::triggered, this, [this] {
        ApriFrmRange(p, this);
        Aggiorna();
    });
    connect(Azione(Voce::MnuImpostazioniScala), &QAction::triggered, this, [this] {
        ApriFrmScala(p, this);
        Aggiorna();
    });
    const auto collega = [this](Voce v, auto comando) {
        connect(Azione(v), &QAction::triggered, this, [this, comando] { comando(p); });
    };
    collega(Voce::PrimoQuadrante, PrimoQuadrante);
    collega(Voce::SecondoQuadrante, SecondoQuadrante);
    collega(Voce::TerzoQuadrante, TerzoQuadrante);
    collega(Voce::QuartoQuadrante, QuartoQuadrante);
    collega(Voce::ResettaPiano, ResettaPiano);
    const std::pair<Voce, DirezionePiano> spostamenti[] = {{Voce::TraslaPiano1, DirezionePiano::Destra},
                                                           {Voce::TraslaPiano2, DirezionePiano::Sinistra},
                                                           {Voce::TraslaPiano3, DirezionePiano::Alto},
                                                           {Voce::TraslaPiano4, DirezionePiano::Basso}};
    for (const auto& [v, d] : spostamenti)
        connect(Azione(v), &QAction::triggered, this, [this, d = d] { TraslaPiano(p, d); });
}

} // namespace vellora
