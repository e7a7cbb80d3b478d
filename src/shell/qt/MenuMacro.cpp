// Handlers of the Macro menu and of the side-toolbar button Macro.
#include "macro/Macro.h"
#include "macro/qt/FrmEditorMacro.h"
#include "macro/qt/FrmPausa.h"
#include "macro/qt/PompaQt.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/PulsanteLaterale.h"

namespace vellora {

void FrmPrinc::CollegaMenuMacro()
{
    // Pauses turn the application's own event loop: the window repaints and
    // Interrompi (Ctrl+I) reaches the player while a macro plays.
    pompa_ = std::make_unique<PompaQt>();
    p.pompa = pompa_.get();

    Collega(Voce::MnuMacroInizio, IniziaRegistrazione);
    Collega(Voce::MnuMacroFine, TerminaRegistrazione);
    Collega(Voce::MnuMacroInserisciPausa, InserisciPausa);
    Collega(Voce::MnuMacroApri, ApriMacro);
    Collega(Voce::MnuMacroEsegui, EseguiMacro);
    Collega(Voce::MnuMacroInterrompi, InterrompiEsecuzione);
    connect(Azione(Voce::MnuMacroEdita), &QAction::triggered, this, [this] {
        ApriFrmEditorMacro(p, this);
        Aggiorna();
    });
    connect(Azione(Voce::MnuMacroImpostaPausa), &QAction::triggered, this, [this] { ApriFrmPausa(p, this); });

    for (PulsanteLaterale* pulsante : laterali_) {
        if (pulsante->VocePulsante() != Voce::Macro)
            continue;
        connect(pulsante, &PulsanteLaterale::Rilasciato, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers tasti) {
            const ClicLaterale c = DecodificaClic(b, tasti);
            EseguiPasso(p, NomePasso(Voce::Macro), [&] { PulsanteMacro(p, c.pulsante, c.shift, c.altri); });
            Aggiorna();
        });
    }
}

} // namespace vellora
