#include "files/ComandiDisegno.h"

#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
#include "files/Commento.h"
#include "measures/DatiFigura.h"
#include "model/Nomi.h"
#include "model/NumeriTesto.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"
#include "state/Selezione.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace vellora {

namespace {

enum class Esito { Salvato, Annullato, Fallito };

bool Scrivi(Programma& p, const std::string& percorso)
{
    std::string motivo;
    if (!ScriviFileSicuro(percorso, TestoDisegno(p.d), motivo)) {
        p.Messaggio("Impossibile salvare il disegno in «" + percorso + "»: " + motivo);
        return false;
    }
    p.sessione.Modificato = false;
    p.storia.SegnaSalvato();
    return true;
}

Esito SalvaConNome(Programma& p)
{
    // A drawing without figures is not worth a name: no file is asked for.
    if (p.d.NumeroFigure == 0) {
        p.Messaggio(MessaggioDisegnoVuoto);
        return Esito::Annullato;
    }
    const auto scelto =
        p.dialoghi.ScegliFile({RichiestaFile::Salva, "Salva disegno con nome", p.sessione.NomeDisegno, FiltroDisegno});
    if (!scelto)
        return Esito::Annullato;
    // The names change only once the file is there, so that a failed write
    // does not leave the drawing named after a file that does not hold it.
    if (!Scrivi(p, *scelto))
        return Esito::Fallito;
    p.sessione.NomeDisegno = *scelto;
    p.sessione.UltimoDisegno = *scelto;
    p.testi.DidascaliaPiano = NomeDaPercorso(*scelto);
    p.Mostra();
    return Esito::Salvato;
}

Esito Salva(Programma& p)
{
    if (p.sessione.NomeDisegno.empty())
        return SalvaConNome(p);
    if (!Scrivi(p, p.sessione.NomeDisegno))
        return Esito::Fallito;
    p.sessione.UltimoDisegno = p.sessione.NomeDisegno;
    p.Mostra();
    return Esito::Salvato;
}

// The drawing in the file, or a message.
std::optional<Disegno> Carica(Programma& p, const std::string& percorso)
{
    std::string testo, motivo;
    if (!LeggiFileIntero(percorso, testo, motivo, LimiteDisegno)) {
        p.Messaggio("Impossibile aprire il disegno «" + percorso + "»: " + motivo);
        return std::nullopt;
    }
    auto c = LeggiTestoDisegno(testo);
    if (!c)
        p.Messaggio(NonEUnDisegno);
    return c;
}

void Nomina(Programma& p, const std::string& percorso)
{
    p.sessione.NomeDisegno = percorso;
    p.sessione.UltimoDisegno = percorso;
    p.testi.DidascaliaPiano = NomeDaPercorso(percorso);
}

// What a new drawing shows: no figure texts, no data panel, the figure items
// off, the plane alone.
void MostraSenzaFigure(Programma& p)
{
    p.TestiSenzaFigure();
    p.AzzeraTotali();
    RidisegnaPiano(p);
    p.Mostra();
}

} // namespace

bool SalvaDisegnoConNome(Programma& p)
{
    return SalvaConNome(p) == Esito::Salvato;
}

bool SalvaDisegno(Programma& p)
{
    return Salva(p) == Esito::Salvato;
}

Risposta DomandaSalvare(Programma& p)
{
    return p.Messaggio("Salvare il disegno?", Icona::Esclamazione, Pulsanti::SiNoAnnulla);
}

bool ChiediDiSalvare(Programma& p)
{
    if (!p.sessione.Modificato)
        return true;
    const Risposta r = DomandaSalvare(p);
    if (r == Risposta::Annulla)
        return false;
    return r != Risposta::Si || Salva(p) != Esito::Fallito;
}

void ApriDisegno(Programma& p)
{
    // The comment goes with the drawing it belongs to, before any other
    // name can be chosen; one that could not be stored stops the command.
    if (!ChiudiCommento(p) || !ChiediDiSalvare(p))
        return;
    const auto scelto =
        p.dialoghi.ScegliFile({RichiestaFile::Apri, "Apre disegno", p.sessione.NomeDisegno, FiltroDisegno});
    if (!scelto)
        return;
    const auto c = Carica(p, *scelto);
    if (!c)
        return;
    Nomina(p, *scelto);
    LeggiDisegno(p, *c, true);
}

void ApriUltimoDisegno(Programma& p)
{
    if (p.sessione.UltimoDisegno.empty() || !EsisteFile(p.sessione.UltimoDisegno))
        return;
    // The drawing named now, even if saving the current one names another.
    const std::string percorso = p.sessione.UltimoDisegno;
    if (!ChiudiCommento(p) || !ChiediDiSalvare(p))
        return;
    const auto c = Carica(p, percorso);
    if (!c)
        return;
    Nomina(p, percorso);
    LeggiDisegno(p, *c, true);
}

void CaricaDisegnoAvvio(Programma& p)
{
    std::string percorso = p.sessione.RigaComando;
    if (!percorso.empty() && percorso.front() == '"')
        percorso.erase(0, 1);
    if (!percorso.empty() && percorso.back() == '"')
        percorso.pop_back();
    if (!EsisteFile(percorso))
        return;
    // The working folder is about to change: a relative name would then
    // point somewhere else.
    std::error_code e;
    const fs::path assoluto = fs::absolute(percorso, e);
    if (!e)
        percorso = assoluto.lexically_normal().string();
    const auto c = Carica(p, percorso);
    if (!c)
        return;
    Nomina(p, percorso);
    if (const fs::path cartella = fs::path(percorso).parent_path(); !cartella.empty())
        fs::current_path(cartella, e);
    LeggiDisegno(p, *c, false);
}

void LeggiDisegno(Programma& p, const Disegno& c, bool controllaCerchi)
{
    p.d = c;
    p.storia.Svuota();
    p.mappa.PassoPixel = Arrotonda(p.mappa.SemiAmpiezza / static_cast<float>(RangeGriglia(p.d)));
    if (controllaCerchi && EsisteCerchio(p.d) && !ControllaMonometrico(p)) {
        // Modificato keeps its value: the drawing on screen was replaced,
        // but nothing was loaded in its place.
        p.d.NumeroFigure = 0;
        p.sessione.NomeDisegno.clear();
        p.testi.DidascaliaPiano = SenzaNome;
        MostraSenzaFigure(p);
        return;
    }
    p.sessione.Modificato = false;
    MostraDisegno(p);
}

void MostraDisegno(Programma& p)
{
    if (p.d.NumeroFigure == 0) {
        MostraSenzaFigure(p);
        return;
    }
    const int f = p.d.FiguraAttiva;
    p.testi.CampoFigura = DescrizioneFigura(p.d, f);
    p.testi.CampoVertice = NumeroPunti(p.d, f) == 1 && !IsCerchio(p.d, f) ? "" : TestoVertice(p);
    p.AzzeraTotali();
    AggiornaDati(p);
    p.AbilitaVociFigure(true);
    Ridisegna(p);
    p.Mostra();
}

} // namespace vellora
