#pragma once
// The whole program state in one object, and the closing steps every command
// shares. A command is a function of the core that runs the whole road: model
// change, macro line, status texts, data panel, redraw, menu states. The
// toolbar, the macro player and the batch mode call the same functions.
#include "macro/Pompa.h"
#include "model/Dialoghi.h"
#include "model/Modello.h"
#include "plane/Ridisegno.h"
#include "plane/StatoMouse.h"
#include "shell/Vista.h"
#include "shell/Voci.h"
#include "transform/Parametri.h"

#include <array>
#include <string>

namespace vellora {

inline const std::string TitoloProgramma = "Vellora";
inline const std::string SenzaNome = "Senza nome";
inline const std::string NonCiSonoFigure = "Non ci sono figure";
inline const std::string SuggerimentoMacroIniziale = "Esegue una macro; attualmente non è attiva alcuna macro";

// Texts and visibilities the window shows; rebuilt by the commands.
struct TestiVista {
    std::string CampoFigura;
    std::string CampoVertice;
    std::array<std::string, 6> Pannelli;
    bool Pannello7Visibile = false;
    std::string DidascaliaPiano = SenzaNome;
    bool DatiVisibili = false;
    std::string TestoDati;
    int CursoreDati = -1; // caret position in TestoDati; -1 leaves the caret where it is
    std::string SuggerimentoMacro = SuggerimentoMacroIniziale;
    bool operator==(const TestiVista&) const = default;
};

class Programma {
public:
    Programma(Dialoghi& dialoghi, Vista& vista);

    Modello m;
    ParametriTrasformazione parametri;
    Totali totali;
    StatoVoci voci;
    TestiVista testi;
    StatoMouse mouse;      // hover result and the prepared right-button move
    int PausaMacro = 50;   // DurataPausa: length of one macro pause, 1..1000
    std::string NomeMacro; // the active macro file; empty when unnamed or none
    bool InterrompiMacro = false;
    // Macro pauses turn this pump; none (the command-line mode) skips them.
    Pompa* pompa = nullptr;
    bool NumeriTroppoGrandi = false; // raised by the overflow guard while a macro plays
    bool PausaAutomatica = true;
    // Where recent.dat and Macro.tmp live: the program folder, or the user's
    // data folder when the program folder is not writable.
    std::string CartellaDati;

    Dialoghi& dialoghi;
    Vista& vista;

    // The screen canvas and its drawing area; the redraw paints nothing
    // until the plane window has given one.
    void ImpostaSchermo(Superficie* schermo, int larghezza, int altezza);
    int Larghezza() const { return larghezza_; }
    int Altezza() const { return altezza_; }
    Superficie* Schermo() const { return schermo_; } // for what is drawn over a redraw
    OpzioniPiano Opzioni() const;

    // Common closing steps of the commands.
    void Ridisegna();                // DisegnaPiano then DisegnaFigure
    void RidisegnaPiano();           // DisegnaPiano only
    void TestiFigura();              // CampoVertice "Figura" ("" for a point), CampoFigura the description
    void TestiSenzaFigure();         // "Non ci sono figure", data panel hidden, figure items off
    void AzzeraTotali();             // status reset
    void AggiornaDati();             // data panel refresh (only while the panel is shown)
    void AbilitaVociFigure(bool si); // delete, replicate, data panel
    // The view options "Righello" and "Assi per O": check mark, then redraw.
    void AlternaOpzioneVista(Voce v);
    void Mostra() { vista.Aggiorna(); }

    Risposta Messaggio(const std::string& testo, Icona icona = Icona::Stop, Pulsanti pulsanti = Pulsanti::Ok)
    {
        return dialoghi.Messaggio(testo, icona, pulsanti);
    }

private:
    Superficie* schermo_ = nullptr;
    int larghezza_ = 0;
    int altezza_ = 0;
};

} // namespace vellora
