// Recording: the Macro menu commands that start and end a recording, insert
// a pause line and open a macro file. The lines themselves are appended by
// the commands being recorded (AccodaRigaMacro).
#include "files/AccessoFile.h"
#include "macro/CopiaLavoro.h"
#include "macro/Editor.h"
#include "macro/Macro.h"
#include "state/Programma.h"
#include "state/Registratore.h"

#include <fstream>

namespace vellora {

namespace {

const std::string MacroSenzaNome = SuggerimentoMacroAttiva + "Senza Nome";

void Abilita(Programma& p, std::initializer_list<Voce> voci, bool si)
{
    for (Voce v : voci)
        p.voci.Abilita(v, si);
}

// Written whatever the recording flag says: the header comes before the
// flag matters, the closing line after it has gone.
void ScriviRiga(const Programma& p, const std::string& riga, std::ios::openmode modo)
{
    std::ofstream(PercorsoCopiaLavoro(p), std::ios::binary | modo) << riga << "\r\n";
}

} // namespace

void IniziaRegistrazione(Programma& p)
{
    if (!p.voci.Abilitata(Voce::MnuMacroInizio) || p.sessione.RegistraMacro || p.sessione.EsecuzioneMacro)
        return;
    p.sessione.RegistraMacro = true;
    p.NomeMacro.clear();
    p.testi.Pannello7Visibile = true;
    Abilita(p, {Voce::MnuMacroFine, Voce::MnuMacroEdita, Voce::MnuMacroInserisciPausa}, true);
    Abilita(p, {Voce::MnuMacroInizio, Voce::MnuMacroEsegui, Voce::MnuMacroApri, Voce::MnuFile}, false);
    p.testi.SuggerimentoMacro = "Operazione non consentita";
    ScriviRiga(p, "Inizio macro", std::ios::trunc);
    p.Mostra();
}

void TerminaRegistrazione(Programma& p)
{
    if (!p.sessione.RegistraMacro)
        return;
    p.sessione.RegistraMacro = false;
    p.testi.Pannello7Visibile = false;
    Abilita(p, {Voce::MnuMacroInizio, Voce::MnuMacroEsegui, Voce::MnuMacroApri, Voce::MnuFile}, true);
    Abilita(p, {Voce::MnuMacroFine, Voce::MnuMacroInserisciPausa}, false);
    ScriviRiga(p, "Fine macro", std::ios::app);
    p.NomeMacro.clear();
    p.testi.SuggerimentoMacro = MacroSenzaNome;
    p.Mostra();

    const auto scelto = p.dialoghi.ScegliFile({RichiestaFile::Salva, TitoloSalvaMacro, "", FiltroMacro});
    if (!scelto)
        return;
    // A file that refused the copy does not become the active macro: the
    // recording stays playable from the working copy, without a name.
    std::string motivo;
    if (!CopiaFile(PercorsoCopiaLavoro(p), *scelto, motivo)) {
        p.Messaggio("Impossibile salvare la macro in «" + *scelto + "»: " + motivo);
        return;
    }
    p.NomeMacro = *scelto;
    p.testi.SuggerimentoMacro = SuggerimentoMacroAttiva + p.NomeMacro + " ";
    p.Mostra();
}

void InserisciPausa(Programma& p)
{
    p.AccodaRigaMacro("Pausa");
}

void ApriMacro(Programma& p)
{
    if (!p.voci.Abilitata(Voce::MnuMacroApri) || p.sessione.RegistraMacro || p.sessione.EsecuzioneMacro)
        return;
    const auto scelto = p.dialoghi.ScegliFile({RichiestaFile::Apri, "Apri file macro", "", FiltroMacro});
    if (scelto)
        AttivaFileMacro(p, *scelto);
}

bool AttivaFileMacro(Programma& p, const std::string& percorso)
{
    std::string motivo;
    if (!CopiaFile(percorso, PercorsoCopiaLavoro(p), motivo)) {
        p.Messaggio("Impossibile aprire la macro «" + percorso + "»: " + motivo);
        return false;
    }
    p.NomeMacro = percorso;
    p.testi.SuggerimentoMacro = SuggerimentoMacroAttiva + p.NomeMacro + " ";
    Abilita(p, {Voce::MnuMacroEsegui, Voce::MnuMacroEdita}, true);
    p.Mostra();
    return true;
}

} // namespace vellora
