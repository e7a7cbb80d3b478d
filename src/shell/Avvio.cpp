#include "shell/Avvio.h"

#include "files/ComandiDisegno.h"
#include "files/Commento.h"
#include "files/Recenti.h"
#include "plane/Schermo.h"
#include "shell/NuovoDisegno.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vellora {

namespace {
std::string CartellaCorrente()
{
    std::error_code e;
    return fs::current_path(e).string();
}
} // namespace

bool SchermoSufficiente(int larghezza, int altezza)
{
    return larghezza >= LarghezzaPredefinita && altezza >= AltezzaPredefinita;
}

void Inizializza(Programma& p, const std::string& cartellaProgramma, const std::string& cartellaDati,
                 const std::string& rigaComando)
{
    // Every initial value, in a fresh state: plane settings, name tables,
    // transformation parameters and totals, flags.
    p.d = Disegno{};
    p.mappa = Mappa{};
    p.sessione = Sessione{};
    p.sessione.RigaComando = rigaComando;
    p.sessione.PercorsoProgramma = cartellaProgramma;
    p.CartellaDati = cartellaDati;
    p.PausaMacro = PausaPredefinita;
    p.PausaAutomatica = true;
    p.AzzeraTotali();
    p.testi.DidascaliaPiano = SenzaNome;
    p.testi.DatiVisibili = false;
    p.voci.Abilita(Voce::MnuVisualizzaDati, false);

    std::error_code e;
    if (fs::is_regular_file(fs::path(cartellaProgramma) / "esempi" / "pitagora1.geo", e))
        fs::current_path(fs::path(cartellaProgramma) / "esempi", e);

    if (auto r = LeggiRecenti(cartellaDati + NomeFileRecenti)) {
        p.sessione.UltimoDisegno = r->UltimoDisegno;
        std::string cartella = r->Cartella;
        if (!cartella.empty() && (cartella.back() == '\\' || cartella.back() == '/'))
            cartella.pop_back();
        if (!cartella.empty() && ContieneDisegni(cartella))
            fs::current_path(cartella, e);
    }
}

bool MostraTitoloAllAvvio(const Programma& p)
{
    return p.sessione.RigaComando.empty();
}

void AvviaFinestra(Programma& p)
{
    RidisegnaPiano(p);
    p.testi.CampoFigura = NonCiSonoFigure;
    p.Mostra();
    // The empty plane comes first, so that a command line naming no usable
    // drawing still leaves a complete window.
    if (!p.sessione.RigaComando.empty())
        CaricaDisegnoAvvio(p);
}

bool ChiusuraPrincipale(Programma& p)
{
    if (p.sessione.EsecuzioneMacro || p.voci.Abilitata(Voce::MnuMacroFine))
        return true;
    if (p.voci.Abilitata(Voce::MnuFile)) {
        // A comment that could not be stored keeps the program open with it.
        if (!ChiudiCommento(p))
            return false;
        // Annulla keeps the program open with its drawing, and so does a
        // drawing the user wanted saved and that was not written (the save
        // failed, or its dialog was cancelled).
        if (p.sessione.Modificato) {
            const Risposta r = DomandaSalvare(p);
            if (r == Risposta::Annulla || (r == Risposta::Si && !SalvaDisegno(p) && p.d.NumeroFigure > 0))
                return false;
        }
    }
    p.sessione.InChiusura = true;
    return true;
}

bool ChiusuraPiano(Programma& p)
{
    if (p.voci.Abilitata(Voce::MnuMacroFine)) {
        p.Messaggio("E' in corso la registrazione di una macro");
        return false;
    }
    if (p.sessione.EsecuzioneMacro) {
        p.Messaggio("E' in corso l'esecuzione di una macro");
        return false;
    }
    if (!p.voci.Abilitata(Voce::MnuFile))
        return false;
    if (!p.sessione.InChiusura) {
        NuovoDisegno(p);
        return false;
    }
    return true;
}

bool RichiestaChiusura(Programma& p)
{
    if (ChiusuraPrincipale(p) && ChiusuraPiano(p))
        return true;
    p.sessione.InChiusura = false;
    return false;
}

void Termina(Programma& p)
{
    ScriviRecenti(p.CartellaDati + NomeFileRecenti, {p.sessione.UltimoDisegno, CartellaCorrente()});
}

} // namespace vellora
