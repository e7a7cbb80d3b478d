#pragma once
// The drawing file (.geo): the header, the figure count, 23 lines per figure
// and the 18 settings, one value or pair per line, CR LF. The reader works on
// a copy of the current content and hands it back only when the result keeps
// every rule of the model, so a bad file never leaves half a drawing behind.
#include "model/Modello.h"
#include "transform/Parametri.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellora {

inline const std::string IntestazioneDisegno = "Disegno di Vellora";

// What the file carries of the model and of the transformation parameters.
struct ContenutoDisegno {
    TabellaFigure Figure;
    uint8_t NumeroFigure = 0;
    uint8_t FiguraAttiva = 1;
    uint8_t VerticeAttivo = 0;
    uint8_t TipoGriglia = 1;
    int16_t Range = 12;
    float ScalaX = 1.0f;
    float ScalaY = 1.0f;
    int16_t TraslPianoX = 0;
    int16_t TraslPianoY = 0;
    float TraslX = 1.0f;
    float TraslY = 1.0f;
    float AngoloRotazione = 10.0f;
    float CoeffOmotetia = 2.0f;
    float StirOriz = 2.0f;
    float StirVert = 2.0f;
    float CentroX = 0.0f;
    float CentroY = 0.0f;
    float PuntoPX = 1.0f;
    float PuntoPY = 1.0f;

    bool operator==(const ContenutoDisegno&) const = default;
};

ContenutoDisegno EstraiContenuto(const Modello& m, const ParametriTrasformazione& par);

// Writes the content into the model and the parameters; the angle in radians
// follows the angle in degrees.
void ApplicaContenuto(const ContenutoDisegno& c, Modello& m, ParametriTrasformazione& par);

std::string TestoDisegno(const ContenutoDisegno& c);

// The file's values read over `base`, field by field; a value that cannot be
// read keeps what `base` holds (a file that ends early keeps the rest).
// Nothing when the first field is not the header, letter case included, or
// when the values read would break the model: a count beyond 0..128, a figure
// RecordValido refuses, a selection outside the figures, a scale that is not
// a positive finite number or a setting that is not finite. With no figures
// a selection no figure could have becomes figure 1, whole.
std::optional<ContenutoDisegno> LeggiTestoDisegno(std::string_view testo, ContenutoDisegno base);

} // namespace vellora
