#pragma once
// The range dialog: how many ticks the longer half-axis shows, and the grid.
// The dialog window only copies its text box here and back.
#include "model/Disegno.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vellora {

class Programma;

inline constexpr int RangeMinimo = 1;
inline constexpr int RangeMassimo = 30;
inline constexpr int RangePredefinito = 12;
inline constexpr int IntensitaMinima = 60;
inline constexpr int IntensitaMassima = 160;
inline constexpr int PassoIntensita = 5;

inline const std::string MessaggioRange = "Il range deve essere un numero intero compreso tra 1 e 30";
inline const std::string MessaggioRangeMassimo = "Il range non può essere maggiore di 30";
inline const std::string MessaggioRangeMinimo = "Il range non può essere minore di 1";

// The range a typed text stands for: at most two characters whose leading
// number, rounded half to even, lies in 1..30. Empty otherwise.
std::optional<int> RangeDaTesto(const std::string& testo);

class DialogoRange {
public:
    // Remembers the range and the grid style found on opening.
    explicit DialogoRange(Programma& p);

    std::string Testo; // the box "Range="

    bool Applica(); // false: refused, range and text back to the opening range
    bool Ok();      // true: the dialog closes, the drawing marked modified if it changed
    void Incrementa();
    void Decrementa();
    void Predefinito();
    void Griglia(int tipo);
    void Intensita(int valore);
    void Annulla(); // range and grid style as found; the intensity stays

    int GrigliaIniziale() const { return grigliaIniziale_; }

private:
    void Imposta(int range);
    void Ridisegna();

    Programma& p_;
    int16_t rangeIniziale_;
    uint8_t grigliaIniziale_;
    // The drawing as the dialog found it: Annulla puts back all it changed,
    // so only OK can leave the drawing modified.
    Disegno apertura_;
};

} // namespace vellora
