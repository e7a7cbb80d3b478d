// Handlers of the Macro menu and of the side-toolbar button Macro.
#include "macro/Macro.h"
#include "macro/qt/FrmEditorMacro.h"
#include "macro/qt/FrmPausa.h"
#include "macro/qt/PompaQt.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/PulsanteLaterale.h"

#include <QApplication>
#include <QKeyEvent>

namespace vellora {

void FrmPrinc::CollegaMenuMacro()
{
    // Pauses turn the application's own event loop: the window repaints and
    // Interrompi (Ctrl+I) reaches the player while a macro plays.
    pompa_ = std::make_unique<PompaQt>();
    p.pompa = pompa_.get();
    // Whichever widget has the focus, the space bar belongs to the playback.
    qApp->installEventFilter(this);

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

bool FrmPrinc::eventFilter(QObject* oggetto, QEvent* evento)
{
    const QEvent::Type tipo = evento->type();
    // A message box during playback keeps its own keys.
    if ((tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease) || !p.sessione.EsecuzioneMacro ||
        QApplication::activeModalWidget())
        return QMainWindow::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tasto->key() != Qt::Key_Space || tasto->modifiers() != Qt::NoModifier)
        return QMainWindow::eventFilter(oggetto, evento);
    // Both halves are taken, so that a focused button is never clicked; a
    // held key goes on with one pause only.
    if (tipo == QEvent::KeyPress && !tasto->isAutoRepeat())
        ContinuaMacro(p);
    return true;
}

} // namespace vellora
