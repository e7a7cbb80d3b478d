#pragma once
// The printed drawing: the plane redrawn in the printer's twips with the
// window's range, scale, plane shift and grid style, scaled to the page by the
// chosen factor, then the figures; everything in black. Point figures, point
// O, the selection marks and the vertex labels stay off the paper.
#include "model/Disegno.h"
#include "print/Stampante.h"
#include "state/Superficie.h"

namespace vellora {

// The mapping of one page, in twips.
struct MappaturaStampa {
    float SemiLatoStampa = 0.0f; // half-extent of the printed plane
    float PassoStampa = 0.0f;    // twips per tick, a whole number
    float OrigineStampaX = 0.0f; // the plane's origin on the page
    float OrigineStampaY = 0.0f;
};

// The plane is always sized from half the printable width, whatever the
// orientation: in portrait it may stay shorter than the page.
MappaturaStampa CalcolaMappaturaStampa(const Disegno& m, float larghezza, float altezza, float fattore);

class PaginaStampa {
public:
    // larghezza x altezza: the printable area in twips; righello: tick values
    // on every other tick rather than on the unit ticks only.
    PaginaStampa(const Disegno& m, Superficie& s, float larghezza, float altezza, float fattore, bool righello);

    // One copy: the plane, the circles, the plane again, the other figures.
    void Stampa();

    void StPianoCartesiano(); // mapping, grid, axes and tick values
    void StTracciaFigura(int f);
    void StTracciaCirconferenze();
    void StTracciaFigure();
    void StRighello();

    const MappaturaStampa& Mappatura() const { return mappa_; }

private:
    struct Cornice {
        double xL, xR, yT, yB;
    };
    Cornice Bordi(int range) const;
    void Griglia(int range);
    void Tacche(int i);
    double ColonnaX(int i) const;
    double RigaY(int i) const;

    const Disegno& m_;
    Superficie& s_;
    float larghezza_;
    float altezza_;
    float fattore_;
    bool righello_;
    MappaturaStampa mappa_;
};

// One document: the orientation set again, the page drawn and sent. False,
// with nothing sent, when the printer refuses the document.
bool StampaDocumento(const Disegno& m, bool righello, float fattore, Orientamento orientamento, Stampante& stampante);

} // namespace vellora
