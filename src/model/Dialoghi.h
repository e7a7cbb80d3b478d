#pragma once
// The dialogs port: message boxes (title "Vellora") and, later, file choice.
// The core never shows anything itself; the GUI shows a QMessageBox, tests
// record the text and answer from a script.
#include <string>

namespace vellora {

enum class Icona { Stop, Esclamazione, Informazione };
enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Annulla, Si, No };

class Dialoghi {
public:
    virtual ~Dialoghi() = default;
    virtual Risposta Messaggio(const std::string& testo, Icona icona, Pulsanti pulsanti = Pulsanti::Ok) = 0;
};

}  // namespace vellora
