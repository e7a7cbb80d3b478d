#pragma once
// The drawing's history for "Annulla" and "Ripeti": one step per command that
// changed what the drawing file stores, each keeping the drawing (selection
// included) as the command found it. Selecting alone is not a step.
#include "model/Disegno.h"
#include "state/Voci.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace vellora {

class Storia {
public:
    // Enough for a lesson; at 128 figures a step is some 24 KB.
    static constexpr size_t MassimoPassi = 200;

    // A command named `nome` ("rotazione", "elimina") took the drawing from
    // `prima` to `dopo`; nothing is kept when only the selection moved. The
    // steps undone so far are forgotten.
    void Registra(const Disegno& prima, const Disegno& dopo, const std::string& nome);

    bool PuoAnnullare() const { return !indietro_.empty(); }
    bool PuoRipetere() const { return !avanti_.empty(); }
    const std::string& DaAnnullare() const; // the name of the step undo takes back
    const std::string& DaRipetere() const;

    // The drawing before the last step (after the last undone one) replaces
    // `d`, which the other stack keeps.
    void Annulla(Disegno& d);
    void Ripeti(Disegno& d);

    // New and opened drawings start a history of their own, as saved.
    void Svuota();
    // The drawing now is the one in its file.
    void SegnaSalvato() { salvato_ = stato_; }
    bool AlSalvato() const { return stato_ == salvato_; }

    size_t Passi() const { return indietro_.size() + avanti_.size(); }
    // Changes with every step, undo, redo and emptying.
    uint64_t Stato() const { return stato_; }

private:
    struct Passo {
        Disegno disegno;
        std::string nome;
        uint64_t stato;
    };
    static void Scambia(std::deque<Passo>& da, std::deque<Passo>& a, Disegno& d, uint64_t& stato);

    std::deque<Passo> indietro_;
    std::deque<Passo> avanti_;
    // Every drawing the history reaches has its number; the saved one's is kept.
    uint64_t stato_ = 0;
    uint64_t prossimo_ = 1;
    uint64_t salvato_ = 0;
};

// What the file stores besides the selection: a selection alone is no step.
bool StessoContenuto(const Disegno& a, const Disegno& b);

class Programma;

// Runs a command of the user as one step named `nome`. A command run inside
// another (a line of a playing macro, a click during one of its pauses)
// belongs to the outer step; a command that emptied the history or moved in
// it (open, new, undo) leaves no step.
void EseguiPasso(Programma& p, const std::string& nome, const std::function<void()>& comando);

// The name of the step a menu item or button makes ("rotazione",
// "elimina"), as "Annulla" and "Ripeti" show it.
std::string NomePasso(Voce v);

// Annulla and Ripeti are offered, with the name of their step, when there
// is one and no macro is recorded or played (the macro file would no longer
// describe the drawing).
void AggiornaVociStoria(Programma& p);

} // namespace vellora
