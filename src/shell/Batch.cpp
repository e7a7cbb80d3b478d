#include "shell/Batch.h"

#include "files/AccessoFile.h"
#include "files/ComandiDisegno.h"
#include "files/FileDisegno.h"
#include "files/SuperficieSvg.h"
#include "macro/Macro.h"
#include "measures/DatiFigura.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"
#include "state/Programma.h"

#include <charconv>
#include <filesystem>
#include <random>
#include <system_error>

namespace vellora {

const std::string UsoBatch = "Uso: vellora [opzioni] DISEGNO.geo\n"
                             "\n"
                             "Senza opzioni Vellora si apre con il disegno indicato.\n"
                             "Con una qualsiasi delle opzioni seguenti non apre finestre: esegue i comandi\n"
                             "e termina.\n"
                             "\n"
                             "  --macro FILE.mcr    esegue la macro sul disegno, senza pause, prima di tutto\n"
                             "                      il resto\n"
                             "  --dati              scrive i dati della figura selezionata\n"
                             "  --esporta FILE      disegna il piano in FILE: PNG (.png), bitmap di Windows\n"
                             "                      (.bmp), disegno vettoriale SVG (.svg) o la pagina di\n"
                             "                      stampa in PDF (.pdf)\n"
                             "  --dimensioni LxA    larghezza e altezza del piano in pixel per --esporta e\n"
                             "                      --macro (predefinite 800x600)\n"
                             "  --tratto-spesso     disegna il piano esportato (.png, .bmp, .svg) con il\n"
                             "                      tratto spesso di Mostra > Tratto spesso\n"
                             "  --salva FILE.geo    salva il disegno in FILE.geo dopo tutto il resto\n"
                             "  --help              mostra questo aiuto\n"
                             "\n"
                             "Esito: 0 riuscito, 1 un comando ha rifiutato o non è riuscito,\n"
                             "2 uso errato o file che non è un disegno di Vellora.\n";

namespace {

bool LeggiDimensioni(const std::string& testo, int& larghezza, int& altezza)
{
    const auto x = testo.find('x');
    if (x == std::string::npos)
        return false;
    const char* inizio = testo.data();
    const char* fine = inizio + testo.size();
    auto [p1, e1] = std::from_chars(inizio, inizio + x, larghezza);
    auto [p2, e2] = std::from_chars(inizio + x + 1, fine, altezza);
    // A canvas wider than the farthest a point may stand is refused: the
    // 16-bit pixel values of the mapping stay far from their bounds.
    const int limite = static_cast<int>(LimitePixel);
    return e1 == std::errc{} && e2 == std::errc{} && p1 == inizio + x && p2 == fine && larghezza >= 1 && altezza >= 1 &&
           larghezza <= limite && altezza <= limite;
}

// A new folder under the system's temporary one, for this run only.
std::filesystem::path CartellaTemporanea()
{
    namespace fs = std::filesystem;
    std::error_code e;
    const fs::path base = fs::temp_directory_path(e);
    std::random_device caso;
    for (int i = 0; i < 100 && !e; ++i) {
        const fs::path cartella = base / ("vellora_macro_" + std::to_string(caso()));
        if (fs::create_directory(cartella, e))
            return cartella;
    }
    return {};
}

} // namespace

ArgomentiBatch AnalizzaArgomenti(const std::vector<std::string>& argomenti)
{
    ArgomentiBatch r;
    for (const std::string& a : argomenti)
        if (a.rfind("--", 0) == 0)
            r.batch = true;
    if (!r.batch)
        return r;
    OpzioniBatch& o = r.opzioni;
    std::vector<std::string> disegni;
    for (size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        const bool conValore = a == "--esporta" || a == "--dimensioni" || a == "--salva" || a == "--macro";
        // An empty value names no file: a script whose variable was not set.
        if (conValore && (i + 1 >= argomenti.size() || argomenti[i + 1].empty())) {
            r.errore = "Manca il valore dell'opzione " + a;
            return r;
        }
        if (a == "--help")
            o.aiuto = true;
        else if (a == "--dati")
            o.dati = true;
        else if (a == "--tratto-spesso")
            o.trattoSpesso = true;
        else if (a == "--esporta")
            o.esporta = argomenti[++i];
        else if (a == "--salva")
            o.salva = argomenti[++i];
        else if (a == "--macro")
            o.macro = argomenti[++i];
        else if (a == "--dimensioni") {
            if (!LeggiDimensioni(argomenti[++i], o.larghezza, o.altezza)) {
                r.errore = "Dimensioni non valide: " + argomenti[i] + " (ad esempio 800x600)";
                return r;
            }
        } else if (a.rfind("--", 0) == 0) {
            r.errore = "Opzione sconosciuta: " + a;
            return r;
        } else
            disegni.push_back(a);
    }
    if (o.aiuto)
        return r;
    if (disegni.size() != 1)
        r.errore = disegni.empty() ? "Manca il disegno da elaborare" : "Si elabora un solo disegno alla volta";
    else
        o.disegno = disegni.front();
    return r;
}

Risposta DialoghiFlusso::Messaggio(const std::string& testo, Icona, Pulsanti pulsanti)
{
    errori_ << testo << '\n';
    ++messaggi_;
    return RispostaPrudente(pulsanti);
}

int CaricaDisegnoBatch(Programma& p, const std::string& percorso)
{
    std::string testo, motivo;
    if (!LeggiFileIntero(percorso, testo, motivo, LimiteDisegno)) {
        p.Messaggio("Impossibile aprire il disegno «" + percorso + "»: " + motivo);
        return EsitoUsoErrato;
    }
    const auto contenuto = LeggiTestoDisegno(testo);
    if (!contenuto) {
        p.Messaggio(NonEUnDisegno);
        return EsitoUsoErrato;
    }
    p.sessione.NomeDisegno = percorso;
    LeggiDisegno(p, *contenuto, false);
    return EsitoRiuscito;
}

std::string TestoDatiBatch(Programma& p)
{
    if (p.d.NumeroFigure == 0)
        return "";
    std::string testo;
    for (char c : TestoDatiFigura(p.d))
        if (c != '\r')
            testo += c;
    if (!testo.empty() && testo.back() != '\n')
        testo += '\n';
    return testo;
}

int EseguiMacroBatch(Programma& p, const std::string& percorso, int larghezza, int altezza)
{
    namespace fs = std::filesystem;
    const fs::path cartella = CartellaTemporanea();
    if (cartella.empty()) {
        p.Messaggio("Impossibile creare una cartella temporanea per la macro");
        return EsitoErrore;
    }
    const std::string cartellaDati = p.CartellaDati;
    p.CartellaDati = (cartella / "").string();
    int esito = EsitoErrore;
    if (AttivaFileMacro(p, percorso)) {
        p.pompa = nullptr;
        // No window redraws here: the mapping the guard measures with is the
        // one a window of this size would have computed.
        CalcolaMappatura(p.d, p.mappa, larghezza, altezza);
        EseguiMacroCopiata(p, percorso);
        esito = EsitoRiuscito;
    }
    p.CartellaDati = cartellaDati;
    std::error_code e;
    fs::remove_all(cartella, e);
    return esito;
}

bool EsportaSvgBatch(Programma& p, const std::string& percorso, int larghezza, int altezza)
{
    SuperficieSvg superficie(larghezza, altezza);
    p.ImpostaSchermo(&superficie, larghezza, altezza);
    Ridisegna(p);
    p.ImpostaSchermo(nullptr, 0, 0);
    std::string motivo;
    if (ScriviFileSicuro(percorso, superficie.Documento(), motivo))
        return true;
    p.Messaggio("Impossibile esportare il piano in «" + percorso + "»: " + motivo);
    return false;
}

bool SalvaDisegnoBatch(Programma& p, const std::string& percorso)
{
    std::string motivo;
    if (ScriviFileSicuro(percorso, TestoDisegno(p.d), motivo))
        return true;
    p.Messaggio("Impossibile salvare il disegno in «" + percorso + "»: " + motivo);
    return false;
}

} // namespace vellora
