#include "state/Storia.h"

#include "state/Programma.h"

namespace vellora {

namespace {
const std::string Nessuno;
// Undo and redo together never hold more than the limit of steps.
static_assert(sizeof(Disegno) * Storia::MassimoPassi < 10u * 1024 * 1024, "the history stays under 10 MB");
} // namespace

bool StessoContenuto(const Disegno& a, const Disegno& b)
{
    Disegno c = b;
    c.FiguraAttiva = a.FiguraAttiva;
    c.VerticeAttivo = a.VerticeAttivo;
    return a == c;
}

void Storia::Registra(const Disegno& prima, const Disegno& dopo, const std::string& nome)
{
    if (StessoContenuto(prima, dopo))
        return;
    indietro_.push_back({prima, nome, stato_});
    if (indietro_.size() > MassimoPassi)
        indietro_.pop_front();
    avanti_.clear();
    stato_ = prossimo_++;
}

const std::string& Storia::DaAnnullare() const
{
    return indietro_.empty() ? Nessuno : indietro_.back().nome;
}

const std::string& Storia::DaRipetere() const
{
    return avanti_.empty() ? Nessuno : avanti_.back().nome;
}

// The step's drawing and number change places with the current ones: the
// step moves to the other stack holding what was current.
void Storia::Scambia(std::deque<Passo>& da, std::deque<Passo>& a, Disegno& d, uint64_t& stato)
{
    if (da.empty())
        return;
    Passo passo = std::move(da.back());
    da.pop_back();
    std::swap(passo.disegno, d);
    std::swap(passo.stato, stato);
    a.push_back(std::move(passo));
}

void Storia::Annulla(Disegno& d)
{
    Scambia(indietro_, avanti_, d, stato_);
}

void Storia::Ripeti(Disegno& d)
{
    Scambia(avanti_, indietro_, d, stato_);
}

void Storia::Svuota()
{
    indietro_.clear();
    avanti_.clear();
    stato_ = prossimo_++;
    salvato_ = stato_;
}

void EseguiPasso(Programma& p, const std::string& nome, const std::function<void()>& comando)
{
    if (p.passiAperti > 0) {
        comando();
        return;
    }
    const Disegno prima = p.d;
    const uint64_t stato = p.storia.Stato();
    struct Aperto {
        int& passi;
        explicit Aperto(int& n) : passi(++n) {}
        ~Aperto() { --passi; }
    };
    {
        const Aperto aperto(p.passiAperti);
        comando();
    }
    if (p.storia.Stato() != stato || StessoContenuto(prima, p.d))
        return;
    p.storia.Registra(prima, p.d, nome);
    p.Mostra(); // the items of Annulla and Ripeti name the new step
}

std::string NomePasso(Voce v)
{
    using V = Voce;
    if (v >= V::MnuFiguraMenu && v <= V::MnuFiguraMenuDodecagoniRegolare)
        return "inserimento";
    if (v >= V::MnuImpostazioniTrasfTraslOriz && v <= V::MnuImpostazioniTrasfStir2)
        return "impostazione";
    if (v >= V::TavolozzaFigure0 && v <= V::TavolozzaFigure6)
        return "colore";
    if (v >= V::PrimoQuadrante && v <= V::ResettaPiano)
        return "quadranti";
    if (v >= V::TraslaPiano1 && v <= V::TraslaPiano4)
        return "spostamento del piano";
    switch (v) {
    case V::MnuModificaElimina:
    case V::CmdElimina:
        return "elimina";
    case V::MnuFiguraReplica:
    case V::CmdReplica:
        return "replica";
    case V::TavolozzaFigure7:
        return "tratteggio";
    case V::MnuFiguraFile:
        return "inserimento da file";
    case V::MnuFiguraCoordinate:
        return "figura mediante coordinate";
    case V::MnuFiguraCerchio:
    case V::MnuFiguraCerchio1:
    case V::MnuFiguraCerchio2:
        return "circonferenza";
    case V::MnuImpostazioniRange:
        return "range";
    case V::MnuImpostazioniScala:
        return "scala";
    case V::simm1:
    case V::simm2:
    case V::simm3:
    case V::simm4:
        return "simmetria";
    case V::trasla1:
    case V::trasla2:
    case V::trasla3:
        return "traslazione";
    case V::ruota1:
        return "rotazione";
    case V::Omotetia:
        return "omotetia";
    case V::Stir1:
    case V::Stir2:
        return "stiramento";
    case V::Macro:
    case V::MnuMacroEsegui:
        return "macro";
    default:
        return "modifica";
    }
}

void AggiornaVociStoria(Programma& p)
{
    const bool macro = p.sessione.RegistraMacro || p.sessione.EsecuzioneMacro;
    p.voci.Abilita(Voce::MnuModificaAnnulla, !macro && p.storia.PuoAnnullare());
    p.voci.Abilita(Voce::MnuModificaRipeti, !macro && p.storia.PuoRipetere());
    p.testi.DidascaliaAnnulla = p.storia.PuoAnnullare() ? "&Annulla " + p.storia.DaAnnullare() : "&Annulla";
    p.testi.DidascaliaRipeti = p.storia.PuoRipetere() ? "&Ripeti " + p.storia.DaRipetere() : "&Ripeti";
}

} // namespace vellora
