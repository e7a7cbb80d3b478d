#pragma once
// The settings dialogs of the eleven transformations as data: title, frames,
// labels, text boxes with the value each one feeds, preset buttons, point
// buttons and what the plane shows over the redraw when a point changes.
// The form object (ModuloImpostazioni.h) runs the rules on these rows; the
// window only lays them out.
#include "state/Selettori.h"
#include "transform/Descrittori.h"

#include <string_view>

namespace vellora {

// A text box and its label.
struct CasellaScheda {
    const char* nome;          // "TxtXcentro"
    const char* nomeEtichetta; // "Label1"
    const char* etichetta;     // "x="
    Campo campo;
    // False for the other component of a one-way translation: it shows "0"
    // and is never read.
    bool letta = true;
};

// A button that writes its value into the group's read boxes only.
struct Preimpostato {
    const char* nome;       // "Command1"
    const char* didascalia; // "0,01"
    float valore;
};

// Drawn over the redraw after a point of the group has changed, and after
// every OK or Applica: the dotted axis through O, or the mark of P.
enum class Segno { Nessuno, AsseVerticale, AsseOrizzontale, PuntoP };

struct GruppoScheda {
    const char* nome;      // "Frame1"
    const char* titolo;    // the frame's caption; "" none
    const char* nota = ""; // a long label above the boxes; "" none
    const char* nomeNota = "";
    Elenco<CasellaScheda, 2> caselle{};
    Elenco<Preimpostato, 5> preimpostati{};
    // The point buttons: "A".."H" named "CmdA" + suffisso ..., the midpoint,
    // the default point (caption "" none) and the origin (name "" none).
    bool selettori = false;
    const char* suffisso = "";
    bool puntoMedio = false;
    const char* predefinita = "";
    const char* nomePredefinita = "";
    const char* nomeOrigine = "";
    bool traslazioneQR = false; // "Traslazione QR" writes R - Q into the boxes
    Segno segno = Segno::Nessuno;
};

struct Scheda {
    Trasformazione tipo;
    const char* nome;   // "FrmRotazione"
    const char* titolo; // "Rotazione"
    Elenco<GruppoScheda, 2> gruppi;
    bool applica = true;
    // The default point of a circle is its centre; the stretch dialogs,
    // which never open on a circle, take the mean of the points.
    bool centroCerchio = true;
    // The refusal of a zero coefficient, as OK and as Applica say it; empty
    // when the dialog has no coefficient.
    std::string_view nulloOk{};
    std::string_view nulloApplica{};
};

const Scheda& SchedaDi(Trasformazione t);

// The two auxiliary dialogs: the midpoint of QR and the translation from Q
// to R. Each has the pickers of Q (suffix "1") and of R (suffix "2").
inline constexpr const char* TitoloPuntoMedio = "Punto medio del segmento QR";
inline constexpr const char* TitoloTraslazioneQR = "Traslazione da Q a R";
inline constexpr const char* TitoloPuntoQ = "Punto Q";
inline constexpr const char* TitoloPuntoR = "Punto R";

inline constexpr const char* DidascaliaPuntoMedio = "Punto &medio";
inline constexpr const char* DidascaliaTraslazioneQR = "Traslazione &QR";

} // namespace vellora
