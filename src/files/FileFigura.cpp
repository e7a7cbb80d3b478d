#include "files/FileFigura.h"

#include "figures/Catalogo.h"
#include "files/AccessoFile.h"
#include "files/CampiFile.h"
#include "measures/DatiFigura.h"
#include "model/Nomi.h"
#include "plane/Schermo.h"

namespace vellora {

std::string TestoFigura(const RecordFigura& r)
{
    std::string testo;
    ScriviRecord(testo, r);
    return testo;
}

std::optional<RecordFigura> LeggiTestoFigura(std::string_view testo)
{
    CampiFile campi(testo);
    RecordFigura r;
    if (!LeggiRecord(campi, r) || !RecordValido(r))
        return std::nullopt;
    return r;
}

bool SalvaFiguraConNome(Programma& p)
{
    if (p.d.NumeroFigure == 0)
        return false;
    const auto scelto = p.dialoghi.ScegliFile({RichiestaFile::Salva, "Salva figura con nome", "", FiltroFigura});
    if (!scelto)
        return false;
    std::string motivo;
    if (!ScriviFileSicuro(*scelto, TestoFigura(EstraiRecord(p.d.Figure, p.d.FiguraAttiva)), motivo)) {
        p.Messaggio("Impossibile salvare la figura in «" + *scelto + "»: " + motivo);
        return false;
    }
    return true;
}

bool InserisciFiguraDaFile(Programma& p)
{
    if (p.d.NumeroFigure >= MaxFigure) {
        p.Messaggio("Non è possibile inserire altre figure");
        return false;
    }
    const auto scelto = p.dialoghi.ScegliFile({RichiestaFile::Apri, "Inserisce figure da file", "", FiltroFigura});
    if (!scelto)
        return false;
    std::string testo, motivo;
    if (!LeggiFileIntero(*scelto, testo, motivo, LimiteFigura)) {
        p.Messaggio("Impossibile aprire la figura «" + *scelto + "»: " + motivo);
        return false;
    }
    const int n = p.d.NumeroFigure + 1;
    const auto r = LeggiTestoFigura(testo);
    if (!r) {
        p.Messaggio(NonEUnaFigura);
        return false;
    }
    p.sessione.Modificato = true;
    PosaRecord(p.d.Figure, n, *r);
    // The record stays behind as a stale one when the circle is refused.
    if (IsCerchio(p.d, n) && !ControllaMonometrico(p))
        return false;
    p.d.NumeroFigure = static_cast<uint8_t>(n);
    p.d.FiguraAttiva = static_cast<uint8_t>(n);
    p.d.VerticeAttivo = 0;
    Ridisegna(p);
    p.TestiFigura();
    p.AbilitaVociFigure(true);
    p.AzzeraTotali();
    AggiornaDati(p);
    p.Mostra();
    return true;
}

} // namespace vellora
