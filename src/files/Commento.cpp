#include "files/Commento.h"

#include "files/AccessoFile.h"
#include "files/Rtf.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vellora {

namespace {

bool Vuoto(const TestoRicco& testo)
{
    for (const Sequenza& s : testo)
        if (!s.testo.empty())
            return false;
    return true;
}

// "permesso negato" as a sentence of its own: "Permesso negato."
std::string Frase(std::string motivo)
{
    if (!motivo.empty() && motivo.front() >= 'a' && motivo.front() <= 'z')
        motivo.front() = static_cast<char>(motivo.front() - 'a' + 'A');
    if (!motivo.empty() && motivo.back() != '.')
        motivo += '.';
    return motivo;
}

// Writes the text to its file, or deletes the file of an emptied comment.
bool Conserva(Programma& p, const std::string& file, const TestoRicco& testo)
{
    std::string motivo;
    if (Vuoto(testo)) {
        std::error_code e;
        fs::remove(file, e); // a comment never written is no error
        if (!e)
            return true;
        p.Messaggio("Impossibile eliminare il commento vuoto «" + file + "».\n" + Frase(MotivoErrore(e)) +
                    "\nLa finestra del commento resta aperta.");
        return false;
    }
    if (ScriviFileSicuro(file, ScriviRtf(testo), motivo))
        return true;
    p.Messaggio("Impossibile salvare il commento in «" + file + "».\n" + Frase(motivo) +
                "\nLa finestra del commento resta aperta con il suo testo.");
    return false;
}

void Chiudi(Programma& p)
{
    if (p.commento)
        p.commento->Chiudi();
    p.voci.Spunta(Voce::MnuVisualizzaCommento, false);
    p.sessione.FileCommento.clear();
    p.sessione.CommentoModificato = false;
    p.sessione.CommentoIlleggibile = false;
    p.Mostra();
}

void Apri(Programma& p)
{
    const std::string file = NomeCommento(p.sessione.NomeDisegno);
    std::string motivo;
    const TestoRicco testo = LeggiCommento(file, motivo);
    p.commento->Apri(testo);
    p.voci.Spunta(Voce::MnuVisualizzaCommento, true);
    // Loading the text is no change of the user's.
    p.sessione.FileCommento = file;
    p.sessione.CommentoModificato = false;
    p.sessione.CommentoIlleggibile = !motivo.empty();
    p.Mostra();
    if (!motivo.empty())
        p.Messaggio("Impossibile leggere il commento «" + file + "».\n" + Frase(motivo) +
                    "\nIl file resta com'è finché non si scrive nella finestra del commento.");
}

} // namespace

std::string NomeCommento(const std::string& nomeDisegno)
{
    const std::string estensione = ".geo";
    if (nomeDisegno.size() > estensione.size()) {
        const size_t inizio = nomeDisegno.size() - estensione.size();
        bool uguale = true;
        for (size_t i = 0; i < estensione.size(); ++i) {
            char c = nomeDisegno[inizio + i];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            uguale = uguale && c == estensione[i];
        }
        if (uguale)
            return nomeDisegno.substr(0, inizio) + ".rtf";
    }
    return nomeDisegno + ".rtf";
}

TestoRicco LeggiCommento(const std::string& percorso, std::string& motivo)
{
    motivo.clear();
    std::error_code e;
    if (fs::status(percorso, e).type() == fs::file_type::not_found)
        return {};
    std::string dati;
    if (!LeggiFileIntero(percorso, dati, motivo, LimiteCommento))
        return {};
    std::optional<TestoRicco> testo = LeggiRtf(dati, &motivo);
    if (!testo) {
        if (motivo.empty())
            motivo = "non è un file RTF";
        return {};
    }
    motivo.clear();
    return *testo;
}

void AlternaCommento(Programma& p)
{
    if (!p.commento)
        return;
    if (p.voci.Spuntata(Voce::MnuVisualizzaCommento)) {
        ChiusuraCommento(p);
        return;
    }
    if (p.sessione.NomeDisegno.empty()) {
        p.Messaggio(MessaggioCommentoSenzaNome, Icona::Stop);
        return;
    }
    Apri(p);
}

void ChiusuraCommento(Programma& p)
{
    if (!p.voci.Spuntata(Voce::MnuVisualizzaCommento))
        return;
    if (p.sessione.CommentoModificato) {
        // Esc and the close box of the question keep the window and its text.
        switch (p.Messaggio(DomandaSalvareCommento, Icona::Esclamazione, Pulsanti::SiNoAnnulla)) {
        case Risposta::Si:
            ChiudiCommento(p);
            return;
        case Risposta::No:
            break;
        default:
            return;
        }
    }
    Chiudi(p);
}

bool ChiudiCommento(Programma& p)
{
    if (!p.voci.Spuntata(Voce::MnuVisualizzaCommento))
        return true;
    const Sessione& s = p.sessione;
    if (!s.NomeDisegno.empty() && p.commento) {
        const std::string file = NomeCommento(s.NomeDisegno);
        // A drawing saved under another name takes its comment along.
        const bool daScrivere = s.CommentoModificato || (!s.CommentoIlleggibile && file != s.FileCommento);
        if (daScrivere && !Conserva(p, file, p.commento->Testo()))
            return false;
    }
    Chiudi(p);
    return true;
}

void SegnaCommentoModificato(Programma& p)
{
    if (p.voci.Spuntata(Voce::MnuVisualizzaCommento))
        p.sessione.CommentoModificato = true;
}

} // namespace vellora
