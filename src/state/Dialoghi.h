#pragma once
// The dialogs port: message boxes (title "Vellora") and, later, file choice.
// The core never shows anything itself; the GUI shows a QMessageBox, tests
// record the text and answer from a script.
#include <optional>
#include <string>

namespace vellora {

enum class Icona { Stop, Esclamazione, Informazione };
enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Annulla, Si, No };

// The most cautious answer a box offers: what a box closed without a button
// (the close box, Esc) and a box nobody can answer (the command-line mode)
// mean. Annulla where there is one, else No, else Ok.
Risposta RispostaPrudente(Pulsanti pulsanti);

// A file dialog: the title, the initial name, a filter such as
// "Disegno di Vellora (*.geo)|*.geo". Saving asks before overwriting; opening
// requires an existing file.
struct RichiestaFile {
    enum Tipo { Apri, Salva } tipo;
    std::string titolo;
    std::string nomeIniziale;
    std::string filtro;
};

class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    virtual Risposta Messaggio(const std::string& testo, Icona icona, Pulsanti pulsanti = Pulsanti::Ok) = 0;
    // The full path chosen, or nothing when the user cancelled.
    virtual std::optional<std::string> ScegliFile(const RichiestaFile&) { return std::nullopt; }
};

} // namespace vellora
