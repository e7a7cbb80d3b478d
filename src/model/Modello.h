#pragma once
// The drawing model: figures, selection, point O, plane settings and the
// application flags every command reads and changes. Plain data with the few
// operations that keep its invariants.
#include "model/TabellaFigure.h"

#include <array>
#include <cstdint>
#include <string>

namespace vellora {

struct Modello {
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
    uint8_t IntensitaGriglia = 100;

    // Derived by every redraw.
    int16_t OrigineX = 0;
    int16_t OrigineY = 0;
    int16_t PassoPixel = 0;
    float SemiAmpiezza = 0.0f;

    // Texts last typed in the coordinates window, index 1..20.
    std::array<std::string, MaxPunti + 1> TestiX{};
    std::array<std::string, MaxPunti + 1> TestiY{};

    // Application flags and strings.
    bool Modificato = false;
    bool RegistraMacro = false;
    bool EsecuzioneMacro = false;
    bool InChiusura = false;
    float PosizioneDati = 0.0f;
    bool ErroreInput = false;
    std::string PercorsoProgramma;
    std::string RigaComando;
    std::string NomeDisegno;
    std::string UltimoDisegno;

    bool operator==(const Modello&) const = default;
};

inline const std::string ACapo = "\r\n";

// Point count n of figure f (the whole value stored in slot 0).
int NumeroPunti(const Modello& m, int f);
bool IsCerchio(const Modello& m, int f);
// True when any figure of the drawing is a circle.
bool EsisteCerchio(const Modello& m);

// Writes the closing copy of point 1 into slot n+1, so that a scan over the
// edges k..k+1, k = 1..n, includes the closing edge.
void ChiudiFigura(Modello& m, int f);

// Appends a figure with colour 14 and a solid outline, selects it whole and
// marks the drawing modified. Returns false, changing nothing, when the table
// is full. Slots n+1..21 keep what an earlier figure left there.
bool AggiungiFigura(Modello& m, int n, const float* xs, const float* ys, bool cerchio = false);

// Moves figures f+1..NumeroFigure down by one (all 23 slots); the last record
// keeps its stale copy.
void EliminaFigura(Modello& m, int f);

// Empties the drawing for a new one; plane settings and stale records stay.
void AzzeraDisegno(Modello& m);

// Distance computed in double precision, returned in single precision.
float Distanza(float x1, float y1, float x2, float y2);

// The letter of point k: "A" for 1.
std::string LetteraPunto(int k);

} // namespace vellora
