// Playback: the working copy read line by line, each word dispatched through
// the word table. Pauses run the event pump in the middle of the command, so
// everything that could start a second playback or replace the drawing is
// disabled until the playback has ended, whichever way it ends.
#include "files/AccessoFile.h"
#include "macro/CopiaLavoro.h"
#include "macro/LettoreMacro.h"
#include "macro/Macro.h"
#include "macro/ParoleMacro.h"
#include "state/Programma.h"
#include "state/TastiMouse.h"

#include <exception>
#include <optional>

namespace vellora {

namespace {

const std::string PrefissoErrore = "Si è verificato un errore nell'esecuzione della macro. Errore: ";

// The six values a playback gives back when it ends; O and P keep what the
// last line set.
struct ParametriSalvati {
    float TraslX, TraslY, AngoloRotazione, CoeffOmotetia, StirOriz, StirVert;

    explicit ParametriSalvati(const ParametriTrasformazione& par)
        : TraslX(par.TraslX), TraslY(par.TraslY), AngoloRotazione(par.AngoloRotazione),
          CoeffOmotetia(par.CoeffOmotetia), StirOriz(par.StirOriz), StirVert(par.StirVert)
    {
    }

    void Ripristina(ParametriTrasformazione& par) const
    {
        par.TraslX = TraslX;
        par.TraslY = TraslY;
        par.CoeffOmotetia = CoeffOmotetia;
        par.StirOriz = StirOriz;
        par.StirVert = StirVert;
        par.ImpostaAngolo(AngoloRotazione);
    }
};

void Abilita(Programma& p, std::initializer_list<Voce> voci, bool si)
{
    for (Voce v : voci)
        p.voci.Abilita(v, si);
}

void IniziaEsecuzione(Programma& p)
{
    p.InterrompiMacro = false;
    p.sessione.EsecuzioneMacro = true;
    p.NumeriTroppoGrandi = false;
    Abilita(p,
            {Voce::MnuFile, Voce::MnuFigura, Voce::MnuModifica, Voce::MnuMacroEdita, Voce::MnuMacroApri,
             Voce::MnuMacroInizio, Voce::MnuMacroEsegui, Voce::MnuMacroFine},
            false);
    p.voci.Abilita(Voce::MnuMacroInterrompi, true);
    p.Mostra();
}

// The one way out of a playback: after the last line, a message, an
// interruption or an error alike.
void FinisciEsecuzione(Programma& p, const ParametriSalvati& salvati)
{
    Abilita(p, {Voce::MnuMacroEdita, Voce::MnuMacroApri, Voce::MnuMacroInizio, Voce::MnuMacroEsegui}, true);
    Abilita(p, {Voce::MnuMacroFine, Voce::MnuMacroInterrompi}, false);
    p.sessione.EsecuzioneMacro = false;
    Abilita(p, {Voce::MnuFile, Voce::MnuFigura, Voce::MnuModifica}, true);
    salvati.Ripristina(p.d.Parametri);
    p.Mostra();
}

// The lines of the working copy, run until the end, the stop command or a
// line that ends the playback. The description of an error, if one ended it;
// a copy that cannot be played at all is called `nome`.
std::optional<std::string> EseguiRighe(Programma& p, const std::string& nome)
{
    std::string testo, motivo;
    if (!LeggiFileIntero(PercorsoCopiaLavoro(p), testo, motivo, LimiteMacro))
        return "impossibile leggere «" + nome + "»: " + motivo;
    // Not even the header: nobody recorded or wrote this as a macro.
    if (testo.empty())
        return "«" + nome + "» è vuoto";
    // A text file never holds a zero byte; whatever else this holds, it is
    // not a macro somebody wrote.
    if (testo.find('\0') != std::string::npos)
        return "«" + nome + "» non è un file di testo";

    LettoreMacro lettore(testo);
    RigaLetta riga;
    ValoriRiga valori{};
    while (!p.InterrompiMacro && lettore.Prossima(riga)) {
        const ComandoMacro* comando = CercaComando(riga.parola);
        if (!comando)
            continue;
        // Every value is read before any is stored: a bad line changes nothing.
        for (size_t i = 0; i < comando->parametri.size(); ++i) {
            const std::string_view campo = i < riga.parametri.size() ? riga.parametri[i] : std::string_view{};
            const auto v = LeggiParametro(campo, comando->parametri[i], motivo);
            if (!v)
                return motivo + " in " + PostoRiga(riga);
            valori[i] = *v;
        }
        const EsitoComando esito = comando->azione(p, valori);
        if (esito.tipo == EsitoComando::Errore)
            return esito.errore + " in " + PostoRiga(riga);
        if (esito.tipo == EsitoComando::Fine)
            return std::nullopt;
        if (comando->pausaAutomatica && p.PausaAutomatica)
            Attendi(p, p.PausaMacro);
        if (p.NumeriTroppoGrandi) {
            p.Messaggio("Impossibile eseguire la macro: i numeri coivolti sono troppo grandi", Icona::Stop);
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void Riproduci(Programma& p, const std::string& nome)
{
    const ParametriSalvati salvati(p.d.Parametri);
    IniziaEsecuzione(p);
    std::optional<std::string> errore;
    try {
        errore = EseguiRighe(p, nome);
    } catch (const std::exception& e) {
        // Not a fault of the macro: said as it is, and the program goes on.
        errore = std::string("errore interno (") + e.what() + ")";
    }
    FinisciEsecuzione(p, salvati);
    if (errore)
        p.Messaggio(PrefissoErrore + *errore, Icona::Stop);
}

bool FinisceCon(const std::string& s, const std::string& fine)
{
    return s.size() >= fine.size() && s.compare(s.size() - fine.size(), fine.size(), fine) == 0;
}

} // namespace

void EseguiMacro(Programma& p)
{
    EseguiMacroCopiata(p, PercorsoCopiaLavoro(p));
}

void EseguiMacroCopiata(Programma& p, const std::string& origine)
{
    // The pump of a pause may deliver a second start: the flag refuses it
    // even if a menu state were out of date.
    if (p.sessione.EsecuzioneMacro || !p.voci.Abilitata(Voce::MnuMacroEsegui))
        return;
    Riproduci(p, origine);
}

std::string NomeMacroInversa(const std::string& nomeMacro)
{
    const std::string inversa = ".inv.mcr", diretta = ".mcr";
    if (FinisceCon(nomeMacro, inversa))
        return nomeMacro.substr(0, nomeMacro.size() - inversa.size()) + diretta;
    if (FinisceCon(nomeMacro, diretta))
        return nomeMacro.substr(0, nomeMacro.size() - diretta.size()) + inversa;
    return "";
}

void EseguiMacroInversa(Programma& p)
{
    if (p.NomeMacro.empty() || !p.voci.Abilitata(Voce::MnuMacroEsegui) || p.sessione.EsecuzioneMacro) {
        p.Messaggio("Impossibile eseguire la macro inversa per uno dei seguenti motivi: "
                    "(1) Non è aperta alcuna macro; "
                    "(2) E' in corso la registrazione di una macro; "
                    "(3) E' già in esecuzione una macro",
                    Icona::Stop);
        return;
    }
    const std::string partner = NomeMacroInversa(p.NomeMacro);
    if (partner.empty() || !EsisteFile(partner)) {
        p.Messaggio("Non è stata definita una macro inversa", Icona::Stop);
        return;
    }
    const std::string copia = PercorsoCopiaLavoro(p);
    const std::string nome = p.NomeMacro;
    std::string motivo;
    if (!CopiaFile(partner, copia, motivo)) {
        p.Messaggio(PrefissoErrore + "impossibile copiare «" + partner + "»: " + motivo, Icona::Stop);
        return;
    }
    Riproduci(p, copia);
    // The active macro must be what the next plain click plays.
    if (!CopiaFile(nome, copia, motivo))
        p.Messaggio("Impossibile ripristinare la macro «" + nome + "»: " + motivo, Icona::Stop);
}

void InterrompiEsecuzione(Programma& p)
{
    if (p.sessione.EsecuzioneMacro && p.voci.Abilitata(Voce::MnuMacroInterrompi))
        p.InterrompiMacro = true;
}

void ContinuaMacro(Programma& p)
{
    if (p.sessione.EsecuzioneMacro)
        p.SaltaPausa = true;
}

void PulsanteMacro(Programma& p, int pulsante, bool shift, bool altriModificatori)
{
    if (pulsante == PulsanteDestro) {
        if (p.voci.Abilitata(Voce::MnuMacroApri))
            ApriMacro(p);
        else
            p.Messaggio("Impossibile aprire un file macro", Icona::Stop);
        return;
    }
    if (pulsante != PulsanteSinistro || altriModificatori)
        return;
    if (shift) {
        EseguiMacroInversa(p);
        return;
    }
    if (p.voci.Abilitata(Voce::MnuMacroEsegui) && !p.sessione.EsecuzioneMacro)
        EseguiMacro(p);
    else
        p.Messaggio("Impossibile eseguire la macro per uno dei seguenti motivi: "
                    "(1) Non è stata definita o aperta alcuna macro; "
                    "(2) E' in corso la registrazione di una macro; "
                    "(3) E' già in esecuzione una macro",
                    Icona::Stop);
}

} // namespace vellora
