// Handlers of the Show menu.
#include "files/Commento.h"
#include "plane/Schermo.h"
#include "shell/qt/FrmPrinc.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <csignal>

namespace vellora {

namespace {
// The usual desktop calculators, in order of preference.
const char* const Calcolatrici[] = {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"};

const QString ChiaveTrattoSpesso = QStringLiteral("Mostra/TrattoSpesso");

QSettings Impostazioni()
{
    return QSettings(QStringLiteral("Vellora"), QStringLiteral("Vellora"));
}

bool InEsecuzione(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0;
}
} // namespace

void FrmPrinc::CollegaMenuMostra()
{
    for (Voce v : {Voce::MnuVisualizzaRighello, Voce::MnuVisualizzaAssiSimm})
        connect(Azione(v), &QAction::triggered, this, [this, v] { AlternaOpzioneVista(p, v); });
    // The thick stroke belongs to the classroom's screen, not to a drawing:
    // the user's settings keep it, and every drawing opens with it.
    p.voci.Spunta(Voce::MnuVisualizzaTrattoSpesso, Impostazioni().value(ChiaveTrattoSpesso, false).toBool());
    connect(Azione(Voce::MnuVisualizzaTrattoSpesso), &QAction::triggered, this, [this] {
        AlternaOpzioneVista(p, Voce::MnuVisualizzaTrattoSpesso);
        Impostazioni().setValue(ChiaveTrattoSpesso, p.voci.Spuntata(Voce::MnuVisualizzaTrattoSpesso));
    });
    Collega(Voce::MnuVisualizzaCommento, AlternaCommento);
    connect(Azione(Voce::MnuVisualizzaCalcolatrice), &QAction::triggered, this,
            &FrmPrinc::MnuVisualizzaCalcolatrice_Click);
}

void FrmPrinc::MnuVisualizzaCalcolatrice_Click()
{
    // One calculator is enough: the one we started is still there.
    if (InEsecuzione(pidCalcolatrice_))
        return;
    for (const char* nome : Calcolatrici) {
        const QString programma = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!programma.isEmpty() && QProcess::startDetached(programma, {}, QString(), &pidCalcolatrice_))
            return;
    }
    p.Messaggio("Non è installata la calcolatrice di Windows");
}

} // namespace vellora
