#pragma once
// The whole program state in one object, and the closing steps every command
// shares. A command is a function of the core that runs the whole road: model
// change, macro line, status texts, data panel, redraw, menu states. The
// toolbar, the macro player and the command-line mode call the same functions.
#include "model/Disegno.h"
#include "state/Dialoghi.h"
#include "state/FinestraCommento.h"
#include "state/Mappa.h"
#include "state/Pompa.h"
#include "state/Registratore.h"
#include "state/Sessione.h"
#include "state/StatoMouse.h"
#include "state/Storia.h"
#include "state/Superficie.h"
#include "state/TestiVista.h"
#include "state/Totali.h"
#include "state/Vista.h"
#include "state/Voci.h"

#include <string>

namespace vellora {

inline const std::string TitoloProgramma = "Vellora";
inline const std::string NonCiSonoFigure = "Non ci sono figure";

// The smallest screen the program runs on, and the area of a picture nobody
// sized (the command-line export).
inline constexpr int LarghezzaPredefinita = 800;
inline constexpr int AltezzaPredefinita = 600;

// Length of one macro pause when nothing else is chosen, in hundreds of turns.
inline constexpr int PausaPredefinita = 50;

class Programma {
public:
    Programma(Dialoghi& dialoghi, Vista& vista);
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    Disegno d;         // what the drawing file holds
    Mappa mappa;       // recomputed by every redraw of the plane
    Sessione sessione; // name, modified flag, macro and closing flags, paths
    Totali totali;
    StatoVoci voci;
    TestiVista testi;
    StatoMouse mouse;                  // hover result and the prepared right-button move
    int PausaMacro = PausaPredefinita; // DurataPausa: length of one macro pause, 1..1000
    std::string NomeMacro;             // the active macro file; empty when unnamed or none
    bool InterrompiMacro = false;
    bool SaltaPausa = false; // the space bar: the current pause ends at its next turn
    // Macro pauses turn this pump; none (the command-line mode) skips them.
    Pompa* pompa = nullptr;
    // The comment window beside the plane; none (the command-line mode) has
    // no comment to show.
    FinestraCommento* commento = nullptr;
    bool NumeriTroppoGrandi = false; // raised by the overflow guard while a macro plays
    bool PausaAutomatica = true;
    // Where recent.dat and Macro.tmp live: the program folder, or the user's
    // data folder when the program folder is not writable.
    std::string CartellaDati;
    // Takes the line of every command while a macro is recorded.
    Registratore* registratore = &copiaLavoro_;
    Storia storia;       // Annulla and Ripeti
    int passiAperti = 0; // commands running as a step of the history

    Dialoghi& dialoghi;
    Vista& vista;

    // The screen canvas and its drawing area; the redraw paints nothing
    // until the plane window has given one.
    void ImpostaSchermo(Superficie* schermo, int larghezza, int altezza);
    int Larghezza() const { return larghezza_; }
    int Altezza() const { return altezza_; }
    Superficie* Schermo() const { return schermo_; }

    // Common closing steps of the commands.
    void TestiFigura();              // CampoVertice "Figura" ("" for a point), CampoFigura the description
    void TestiSenzaFigure();         // "Non ci sono figure", data panel hidden, figure items off
    void AzzeraTotali();             // status reset
    void AbilitaVociFigure(bool si); // delete, replicate, data panel
    void AccodaRigaMacro(const std::string& riga); // only while a macro is recorded
    // Marks the drawing modified when what its file stores differs from
    // `prima`, the drawing as the command (or the dialog) found it. A command
    // that ends where it began, such as a cancelled dialog or a move of zero,
    // asks for no save; the mark is never taken away here.
    void SegnaModifiche(const Disegno& prima);
    void Mostra(); // the items of the history, then the view

    Risposta Messaggio(const std::string& testo, Icona icona = Icona::Stop, Pulsanti pulsanti = Pulsanti::Ok)
    {
        return dialoghi.Messaggio(testo, icona, pulsanti);
    }

private:
    RegistratoreFile copiaLavoro_{CartellaDati};
    Superficie* schermo_ = nullptr;
    int larghezza_ = 0;
    int altezza_ = 0;
};

} // namespace vellora
