#pragma once
// What belongs to this run of the program and not to the drawing file: the
// document's name and modified flag, the macro and closing flags, the paths,
// the view settings that are not stored.
#include "model/TabellaFigure.h"

#include <array>
#include <cstdint>
#include <string>

namespace vellora {

struct Sessione {
    bool Modificato = false;
    bool RegistraMacro = false;
    bool EsecuzioneMacro = false;
    bool InChiusura = false;
    float PosizioneDati = 0.0f; // where the user last clicked in the data panel: 0, 2/3 or 1
    bool ErroreInput = false;
    uint8_t IntensitaGriglia = 100; // green of the grid lines; not stored in the drawing
    std::string PercorsoProgramma;
    std::string RigaComando;
    std::string NomeDisegno; // empty while the drawing has no name
    std::string UltimoDisegno;

    // The comment window (MnuVisualizzaCommento checked): the file its text
    // came from, whether the user changed the text since it opened, and
    // whether that file could not be read (and so must be left alone).
    std::string FileCommento;
    bool CommentoModificato = false;
    bool CommentoIlleggibile = false;

    // Texts last typed in the coordinates window, index 1..20.
    std::array<std::string, MaxPunti + 1> TestiX{};
    std::array<std::string, MaxPunti + 1> TestiY{};

    bool operator==(const Sessione&) const = default;
};

} // namespace vellora
