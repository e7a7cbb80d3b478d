#pragma once
// The window "Coordinate della figura" without its window: the texts of its
// 40 fields, the one figure it builds and rebuilds, the automatic
// coordinates, and the main window's items it takes while it stays open
// beside the plane. The window copies its fields into TestoX and TestoY
// before each command and shows them again afterwards; every rule is here.
#include "state/Programma.h"

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vellora {

inline constexpr int RigheCoordinate = MaxPunti;

inline const std::string MessaggioCommentoAperto = "Per visualizzare la finestra di impostazione delle coordinate "
                                                   "è necessario chiudere prima la finestra del commento";
inline const std::string MessaggioTabellaPiena = "Non è possibile inserire altre figure";
inline const std::string MessaggioVerticiLontani = "Non è possibile costruire la figura: uno o più vertici sono "
                                                   "troppo lontani dall'origine per essere disegnati sul piano";

class ModuloCoordinate {
public:
    // The opening: nothing (after the message, when the comment window is
    // shown) unless the item "Figura mediante coordinate" can be used now.
    static std::unique_ptr<ModuloCoordinate> Apri(Programma& p);

    ModuloCoordinate(const ModuloCoordinate&) = delete;
    ModuloCoordinate& operator=(const ModuloCoordinate&) = delete;

    // The fields of rows A..T.
    std::array<std::string, RigheCoordinate> TestoX;
    std::array<std::string, RigheCoordinate> TestoY;
    // The row of the field that last had the focus; "Punto Medio" writes there.
    int RigaAttiva = 0;
    // The field the last Applica or OK refused, 2 * row for x and 2 * row + 1
    // for y; -1 when none.
    int Errata = -1;
    // True until an Applica has built the figure that the later ones rewrite.
    bool NuovaFigura = true;

    // Builds the figure of the leading rows whose x and y are both filled,
    // or rewrites the one this window built last. A refusal changes nothing.
    void Applica();
    // The same, then true when the window closes: after building, and when
    // there is nothing to build.
    bool Ok();
    void Cancella();
    // Row `riga` receives the selected vertex, a circle's centre or the
    // centroid of the selected figure.
    void DoppioClic(int riga);
    // Row RigaAttiva receives the midpoint of the selected vertex and the next one.
    void PuntoMedio();
    // Gives the items back as they were at the opening; whatever closes the
    // window calls it, and a second call does nothing.
    void Chiudi();

private:
    explicit ModuloCoordinate(Programma& p);
    enum class Esito { Nulla, Costruita, Rifiutata };
    Esito Costruisci();
    void Scrivi(int riga, float x, float y);

    Programma& p_;
    int figura_ = 0; // the figure the last Applica built
    // The items the window disabled, with the state each had.
    std::vector<std::pair<Voce, bool>> prese_;
    bool chiuso_ = false;
};

} // namespace vellora
