#pragma once
// One row per transformation: everything the program knows about it apart
// from its point map (see Formule.h). The click, the totals, the macro writer
// and reader, the side toolbar with its tooltips and pictures and the
// settings menu all read these rows, so that a new transformation is one row
// in Descrittori.cpp, one case in Formula and its button's picture.
#include "state/Registratore.h"
#include "state/Totali.h"
#include "state/Voci.h"
#include "transform/Formule.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace vellora {

struct Disegno;

// A few values in a fixed place, for a constant table.
template <class T, size_t N> class Elenco {
public:
    constexpr Elenco() = default;
    constexpr Elenco(std::initializer_list<T> voci) : numero_(voci.size())
    {
        if (voci.size() > N)
            throw "Elenco: troppe voci";
        std::copy(voci.begin(), voci.end(), voci_.begin());
    }
    constexpr const T* begin() const { return voci_.data(); }
    constexpr const T* end() const { return voci_.data() + numero_; }
    constexpr size_t size() const { return numero_; }
    constexpr const T& operator[](size_t i) const { return voci_[i]; }

private:
    std::array<T, N> voci_{};
    size_t numero_ = 0;
};

// A value a transformation reads: a field of the parameters, or a
// coordinate of point O.
enum class Campo {
    TraslX,
    TraslY,
    AngoloRotazione,
    CoeffOmotetia,
    StirOriz,
    StirVert,
    CentroX,
    CentroY,
    PuntoPX,
    PuntoPY
};

// One value of the macro line, in the line's order, with the type the
// reader checks it against.
struct ParametroRiga {
    Campo campo;
    TipoParametro tipo = TipoParametro::Singola;
};

// A value and the status total it moves.
struct Termine {
    Campo campo;
    float Totali::*totale;
};

// How an application moves the status totals. Somma: each term's value is
// added to its total, its opposite for the inverse. Prodotto: the one
// term's coefficient multiplies its total (divides it, for the inverse);
// a total that leaves the single-precision range, a division by zero or an
// image point that is not finite is an arithmetic error, which sets that
// total back to 1 and shows it again in its status panel alone.
struct Accumulo {
    enum Modo { Nessuno, Somma, Prodotto } modo = Nessuno;
    Elenco<Termine, 2> termini{};
    size_t pannello = 0; // Prodotto: the status panel of the total
};

// How the macro line writes a value for the inverse: unchanged, opposite
// (a term of a sum) or reciprocal (the coefficient of a product, refused
// when it is zero or its reciprocal is not a finite float).
enum class Inverso { Uguale, Opposto, Reciproco };

struct Rifiuti {
    // Playback refuses a line whose coefficient is zero, for this reason;
    // empty when a zero coefficient is played like any other value.
    std::string_view coefficienteNullo{};
    // The reason a click refuses a circle, whatever its gesture; empty when
    // a circle is transformed like any figure.
    std::string_view cerchio{};
};

struct Descrittore {
    Trasformazione tipo;      // the row's own index
    Voce pulsante;            // the side toolbar
    Voce impostazioni;        // the item of Imposta > Trasformazione
    const char* suggerimento; // the tooltip of the button
    std::string_view parola;  // of the macro line
    Elenco<ParametroRiga, 4> riga;
    Elenco<Campo, 4> dialogo; // what the settings dialog edits
    Accumulo accumulo{};
    Rifiuti rifiuti{};
    bool simmetria = false; // its own inverse: Shift changes nothing
};

// Every row, in the order of the enumeration.
std::span<const Descrittore> Descrittori();
const Descrittore& DescrittoreDi(Trasformazione t);

// The row of a side-toolbar button; nullptr for any other control.
const Descrittore* DescrittoreDelPulsante(Voce v);

Inverso InversoDi(const Descrittore& d, Campo c);

// The coefficient of a product: its one term.
Campo Coefficiente(const Descrittore& d);

// A value as an application reads it, and as the drawing keeps it. Setting
// the angle sets its radian copy too.
float ValoreDi(const Applicazione& a, Campo c);
float ValoreDi(const Disegno& d, Campo c);
void ImpostaValore(Disegno& d, Campo c, float v);

} // namespace vellora
