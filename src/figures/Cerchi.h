#pragma once
// The three circle dialogs without their windows: centre and radius, centre
// and a point, three points. Each is a data row (frames, boxes, pickers) and
// one form object that keeps the texts of the boxes and runs OK, Applica,
// Annulla and the point buttons. Every dialog stores its circle the same
// way: the centre, then one point of the circumference.
#include "state/Programma.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vellora {

enum class DatiCerchio { CentroRaggio, CentroPunto, TrePunti };

// A frame of one point: its two boxes, its point buttons and the label of
// its mark on the plane.
struct PuntoScheda {
    const char* nome;        // "Frame1"
    const char* titolo;      // "Coordinate del centro A"
    const char* nomeX;       // "TxtAx"
    const char* nomeY;       // "TxtAy"
    const char* etichetta;   // "A"
    const char* suffisso;    // the pickers CmdA + suffisso ... CmdH + suffisso
    const char* nomeOrigine; // "" when the frame has no Origine and Punto O
    const char* nomePuntoO;
};

inline constexpr int MaxPuntiCerchio = 3;

struct SchedaCerchio {
    DatiCerchio dati;
    Voce voce;          // the menu item that opens the dialog
    const char* nome;   // "FrmDatiCerchio2"
    const char* titolo; // "Circonferenza di centro A e raggio r"
    int punti;          // frames of points, 1..3
    PuntoScheda punto[MaxPuntiCerchio];
    bool raggio; // a last frame with the radius box
};

inline constexpr const char* NomeFrameRaggio = "Frame2";
inline constexpr const char* TitoloFrameRaggio = "Raggio";
inline constexpr const char* NomeRaggio = "TxtRaggio";
inline constexpr const char* EtichettaX = "&x=";
inline constexpr const char* EtichettaY = "&y=";
inline constexpr const char* EtichettaRaggio = "&r=";

inline const std::string MessaggioRaggio = "Il raggio deve essere un numero positivo";
inline const std::string MessaggioTroppeFigure = "Non è possibile inserire altre figure";
inline const std::string MessaggioAllineati = "I punti non sono distinti o sono allineati";

std::span<const SchedaCerchio> SchedeCerchi();
// The dialog of a circle item; nullptr for any other item.
const SchedaCerchio* SchedaCerchioDi(Voce v);

struct CentroCerchio {
    float x;
    float y;
};

// The circumcentre of three points; none when the determinant, evaluated in
// single precision, is exactly zero (two points equal, or all on a line).
std::optional<CentroCerchio> Circocentro(const float x[3], const float y[3]);

class ModuloCerchio {
public:
    // The boxes at "0", the radius at "1", the stored points at the origin.
    ModuloCerchio(Programma& p, const SchedaCerchio& s);

    const SchedaCerchio& scheda;
    // x and y of each point frame in order, then the radius.
    std::vector<std::string> Testi;
    // The box whose text the last OK or Applica refused; -1 when none.
    int Errata = -1;

    int CasellaX(int riga) const { return 2 * riga; }
    int CasellaY(int riga) const { return 2 * riga + 1; }
    int CasellaRaggio() const { return 2 * scheda.punti; }

    // Adds the circle and selects it; false, with the message shown and the
    // drawing as it was, when something is refused.
    bool Ok();
    // The plane shows the typed points; no figure is added.
    bool Applica();
    // The plane without the marks; also Esc and the close box.
    void Annulla();

    // Point buttons of frame `riga`: the boxes take the point, the plane
    // marks the stored points. A picker k beyond the active figure's points,
    // or with no figure, does nothing.
    void Seleziona(int riga, int k);
    void Origine(int riga);
    void PuntoO(int riga);

private:
    bool Leggi(float valori[2 * MaxPuntiCerchio + 1], bool raggio);
    void Memorizza(const float valori[2 * MaxPuntiCerchio + 1]);
    bool Aggiungi(float cx, float cy, float px, float py);
    void ImpostaPunto(int riga, float x, float y);
    void Segna();

    Programma& p_;
    float x_[MaxPuntiCerchio]{};
    float y_[MaxPuntiCerchio]{};
};

} // namespace vellora
