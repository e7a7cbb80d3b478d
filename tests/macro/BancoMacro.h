#pragma once
// A program with fake ports whose working copy lives in a folder of its own,
// and whose event pump counts its turns and can act on any of them.
#include "Finti.h"
#include "files/CartellaProva.h"
#include "macro/Macro.h"
#include "state/Pompa.h"

#include <functional>
#include <string>
#include <vector>

namespace vellora::test {

class PompaContata : public Pompa {
public:
    long long turni = 0;
    std::function<void(long long)> azione; // called with the turn number, from 1
    void Turno() override
    {
        ++turni;
        if (azione)
            azione(turni);
    }
};

// The items whose states make the four states of the Macro menu, by name,
// those enabled only.
inline std::string Abilitate(const StatoVoci& voci)
{
    const Voce elenco[] = {Voce::MnuMacroInizio, Voce::MnuMacroFine,         Voce::MnuMacroInserisciPausa,
                           Voce::MnuMacroApri,   Voce::MnuMacroEsegui,       Voce::MnuMacroInterrompi,
                           Voce::MnuMacroEdita,  Voce::MnuMacroImpostaPausa, Voce::MnuFile,
                           Voce::MnuFigura,      Voce::MnuModifica};
    std::string r;
    for (Voce v : elenco)
        if (voci.Abilitata(v))
            r += std::string(r.empty() ? "" : " ") + std::string(NomeVoce(v)).substr(3);
    return r;
}

inline const std::string StatoNessunaMacro = "MacroInizio MacroApri MacroImpostaPausa File Figura Modifica";
inline const std::string StatoRegistrazione =
    "MacroFine MacroInserisciPausa MacroEdita MacroImpostaPausa Figura Modifica";
inline const std::string StatoMacroAttiva =
    "MacroInizio MacroApri MacroEsegui MacroEdita MacroImpostaPausa File Figura Modifica";
inline const std::string StatoEsecuzione = "MacroInterrompi MacroImpostaPausa";

struct BancoMacro : Banco, CartellaTemporanea {
    PompaContata pompa;

    static int Contati()
    {
        static int n = 0;
        return ++n;
    }
    BancoMacro() : CartellaTemporanea("macro_" + std::to_string(Contati()))
    {
        p.CartellaDati = radice.string() + "/";
        p.pompa = &pompa;
    }

    std::string Copia() const { return Leggi(PercorsoCopiaLavoro(p)); }
    // The header and the lines, each ended by CR LF.
    static std::string Macro(const std::vector<std::string>& righe)
    {
        std::string testo = "Inizio macro\r\n";
        for (const std::string& r : righe)
            testo += r + "\r\n";
        return testo;
    }
    // The lines as the working copy of an active macro, then played.
    void Gioca(const std::vector<std::string>& righe)
    {
        Scrivi(PercorsoCopiaLavoro(p), Macro(righe));
        p.voci.Abilita(Voce::MnuMacroEsegui, true);
        EseguiMacro(p);
    }
};

} // namespace vellora::test
