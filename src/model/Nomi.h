#pragma once
// Name tables and the descriptive texts of a figure.
#include "model/Disegno.h"

#include <array>
#include <cstdint>
#include <string>

namespace vellora {

struct ColoreRgb {
    uint8_t r, g, b;
    bool operator==(const ColoreRgb&) const = default;
};

// Name by point count 0..20: "" , "punto", "segmento", ... "20-agono".
extern const std::array<std::string, MaxPunti + 1> NomiFigure;

// Name by colour code 0..15; every name begins with a blank, codes without a
// name hold the empty text.
extern const std::array<std::string, 16> NomiColori;
// The name of a colour code as the table holds it (" giallo"); empty for a
// code without a name or out of range.
const std::string& NomeColore(float codice);

// The standard 16-colour palette, by code.
extern const std::array<ColoreRgb, 16> Tavolozza;

inline constexpr int CodiceGrigio = 7;
inline constexpr int CodiceVerdeChiaro = 10;
inline constexpr int CodiceAzzurro = 11;
inline constexpr int CodiceRosso = 12;
inline constexpr int CodiceViola = 13;
inline constexpr int CodiceGiallo = 14;
inline constexpr int CodiceBianco = 15;

// Palette colour of a code held in a float, rounded; codes outside 0..15 are
// clamped so a bad value can never index past the palette.
ColoreRgb ColoreDaCodice(float codice);

// "Figura  3: triangolo giallo", "Figura  1: punto", "Figura  2: circonf. in  azzurro".
std::string DescrizioneFigura(const Disegno& m, int f);

} // namespace vellora
