#pragma once
// A program with fake ports whose working copy lives in a folder of its own,
// and whose event pump counts its turns and can act on any of them.
#include "Finti.h"
#include "macro/Macro.h"
#include "state/Pompa.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>
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

struct BancoMacro : Banco {
    std::filesystem::path cartella;
    PompaContata pompa;

    BancoMacro()
    {
        static int contati = 0;
        cartella = std::filesystem::temp_directory_path() /
                   ("vellora_provamacro_" + std::to_string(::getpid()) + "_" + std::to_string(++contati));
        std::filesystem::remove_all(cartella);
        std::filesystem::create_directories(cartella);
        p.CartellaDati = cartella.string() + "/";
        p.pompa = &pompa;
    }
    ~BancoMacro() { std::filesystem::remove_all(cartella); }

    std::string Percorso(const std::string& nome) const { return (cartella / nome).string(); }
    std::string Copia() const { return Leggi(PercorsoCopiaLavoro(p)); }
    static void Scrivi(const std::string& file, const std::string& t) { std::ofstream(file, std::ios::binary) << t; }
    static std::string Leggi(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
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
