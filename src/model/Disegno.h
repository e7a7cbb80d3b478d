#pragma once
// What a drawing file holds: the figures, the selection, point O, the plane
// settings and the transformation parameters. Plain data with the few
// operations that keep its invariants; two drawings are equal when their
// files would be equal.
#include "model/Parametri.h"
#include "model/TabellaFigure.h"

#include <cstdint>
#include <string>

namespace vellora {

struct Disegno {
    Disegno() = default; // not an aggregate: fields are set by name, never by position

    TabellaFigure Figure;

    uint8_t NumeroFigure = 0;
    uint8_t FiguraAttiva = 1;
    uint8_t VerticeAttivo = 0;

    // Point O: centre of rotation, homothety and point symmetry.
    float CentroX = 0.0f;
    float CentroY = 0.0f;

    // Coordinate system.
    int16_t Range = 12;
    float ScalaX = 1.0f;
    float ScalaY = 1.0f;
    int16_t TraslPianoX = 0;
    int16_t TraslPianoY = 0;
    uint8_t TipoGriglia = 1;

    ParametriTrasformazione Parametri;

    // Records beyond NumeroFigure are stale and not stored: they are not compared.
    bool operator==(const Disegno& o) const;
};

// The grid styles of TipoGriglia.
inline constexpr uint8_t GrigliaRighe = 1;  // grid lines
inline constexpr uint8_t GrigliaTacche = 2; // ticks on the axes only
inline constexpr uint8_t GrigliaPunti = 3;  // grid dots and ticks

inline const std::string ACapo = "\r\n";

// Point count n of figure f (the whole value stored in slot 0).
int NumeroPunti(const Disegno& d, int f);
bool IsCerchio(const Disegno& d, int f);
// The point count kept within 1..20: a damaged record (a file edited by hand,
// a stale slot) must not make a scan read past the figure's slots or write
// its closing copy over the colour.
int PuntiValidi(const Disegno& d, int f);
// True when any figure of the drawing is a circle.
bool EsisteCerchio(const Disegno& d);

// Writes the closing copy of point 1 into slot n+1, so that a scan over the
// edges k..k+1, k = 1..n, includes the closing edge.
void ChiudiFigura(Disegno& d, int f);

// Appends a figure with colour 14 and a solid outline and selects it whole.
// Returns false, changing nothing, when the table is full. Slots n+1..21 keep
// what an earlier figure left there.
bool AggiungiFigura(Disegno& d, int n, const float* xs, const float* ys, bool cerchio = false);

// Moves figures f+1..NumeroFigure down by one (all 23 slots); the last record
// keeps its stale copy.
void EliminaFigura(Disegno& d, int f);

// Empties the drawing for a new one: no figures, O at the origin; plane
// settings, parameters and stale records stay.
void AzzeraDisegno(Disegno& d);

// Distance computed in double precision, returned in single precision.
float Distanza(float x1, float y1, float x2, float y2);

// The letter of point k: "A" for 1.
std::string LetteraPunto(int k);

} // namespace vellora
