#pragma once
// The words of the macro language and what playback does for each, in one
// table: the parameters a word takes, the command it runs and whether an
// automatic pause follows. Each command stores the line's values where the
// toolbar, the plane arrows or the Edit menu read them and calls the same
// function they call. The transformation words, their values and where each
// value goes come from the transformation rows (transform/Descrittori.h).
#include "macro/LettoreMacro.h"
#include "transform/Formule.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vellora {

class Programma;

// What a command leaves to the playback loop.
struct EsitoComando {
    enum Tipo {
        Continua,
        Fine,   // the command showed its message: playback ends
        Errore, // the line cannot run: playback ends with the error message
    } tipo = Continua;
    std::string errore; // for Errore, the description in the message
};

using ValoriRiga = std::array<double, 4>;

struct ComandoMacro {
    std::string parola;
    std::vector<TipoParametro> parametri;
    bool pausaAutomatica = false;
    std::function<EsitoComando(Programma&, const ValoriRiga&)> azione;
};

// The command of a word, compared exactly; nullptr for any other word
// ("Fine macro" included), which playback passes over.
const ComandoMacro* CercaComando(std::string_view parola);

// Puts a transformation line's values, in the order the line has them,
// into the parameters and point O that the toolbar click uses.
void ParametriDaRiga(Programma& p, Trasformazione t, const ValoriRiga& valori);

// A pause of length L: L x 100 turns of the event pump, over as soon as the
// stop command or the space bar (ContinuaMacro) arrives; nothing at all
// without a pump. The status bar says how to go on while it lasts.
void Attendi(Programma& p, int64_t lunghezza);

} // namespace vellora
