#pragma once
// The command-line mode without windows, for teachers preparing worksheets
// and for automatic checks:
//   vellora [--macro FILE.mcr] [--dati] [--esporta FILE] [--dimensioni LxA]
//           [--salva FILE.geo] DISEGNO.geo
// It runs the same commands as the window and writes its messages to the
// error stream instead of showing them.
#include "state/Dialoghi.h"
#include "state/Programma.h"
#include "state/Vista.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vellora {

class Programma;

// Exit statuses of the command-line mode.
inline constexpr int EsitoRiuscito = 0;
inline constexpr int EsitoErrore = 1;    // a command refused or failed
inline constexpr int EsitoUsoErrato = 2; // bad usage, or not a drawing

extern const std::string UsoBatch;

struct OpzioniBatch {
    bool aiuto = false;
    std::string macro;
    bool dati = false;
    std::string esporta;
    bool trattoSpesso = false;
    int larghezza = LarghezzaPredefinita;
    int altezza = AltezzaPredefinita;
    std::string salva;
    std::string disegno;
};

struct ArgomentiBatch {
    bool batch = false; // false: the window opens, as usual
    OpzioniBatch opzioni;
    std::string errore; // bad usage, when not empty
};

// The arguments after the program name. Without any option the program opens
// its window with the drawing named, as always.
ArgomentiBatch AnalizzaArgomenti(const std::vector<std::string>& argomenti);

// Message boxes as lines on a stream: refusals and errors are counted, every
// question gets its most cautious answer, no file dialog is ever shown.
class DialoghiFlusso : public Dialoghi {
public:
    explicit DialoghiFlusso(std::ostream& errori) : errori_(errori) {}
    Risposta Messaggio(const std::string& testo, Icona icona, Pulsanti pulsanti) override;
    int Messaggi() const { return messaggi_; }

private:
    std::ostream& errori_;
    int messaggi_ = 0;
};

// Nothing to show without a window.
class VistaAssente : public Vista {
public:
    void Aggiorna() override {}
};

// Loads the drawing without any question; EsitoUsoErrato with a message on
// the error stream when the file cannot be read or is not a drawing.
int CaricaDisegnoBatch(Programma& p, const std::string& percorso);

// The data panel text of the active figure with LF line ends; empty for an
// empty drawing.
std::string TestoDatiBatch(Programma& p);

// Plays the macro file on the drawing, pauses skipped, before anything else
// is written, with the mapping of a plane window of larghezza x altezza
// pixels: a transformation stops at the pixel limit exactly where it would
// stop in that window. Its working copy lives in a folder of its own for the
// run, so that the user's Macro.tmp is never touched; the messages name the
// user's file. EsitoErrore, after a message, when the file cannot be read
// (nothing was played); otherwise EsitoRiuscito, the playback's own messages
// counted by the dialogs.
int EseguiMacroBatch(Programma& p, const std::string& percorso, int larghezza = LarghezzaPredefinita,
                     int altezza = AltezzaPredefinita);

// Writes the plane, drawn as the screen draws it at larghezza x altezza
// pixels, to an SVG file; false after a message on failure.
bool EsportaSvgBatch(Programma& p, const std::string& percorso, int larghezza, int altezza);

// Writes the drawing to a file; false after a message on failure.
bool SalvaDisegnoBatch(Programma& p, const std::string& percorso);

} // namespace vellora
