#pragma once
// The settings dialog of a transformation without its window: the texts of
// its boxes, the restore point, the point buttons and the messages. The
// window copies its boxes into Testi before each command and shows Testi
// again afterwards; every rule is here.
#include "model/Disegno.h"
#include "transform/Schede.h"

#include <array>
#include <string>
#include <vector>

namespace vellora {

class Programma;

class ModuloImpostazioni {
public:
    // Writes the parameters into the boxes and takes the restore point.
    ModuloImpostazioni(Programma& p, Trasformazione t);

    const Scheda& scheda;
    // One text per box, the groups' boxes in order (the read order).
    std::vector<std::string> Testi;
    // The box whose text the last OK or Applica refused; -1 when none.
    int Errata = -1;

    // The index in Testi of box i of group g.
    int Casella(int g, int i) const;

    // OK and Applica read every box; the parameters change only when every
    // box reads correctly and no coefficient is zero. Otherwise the first
    // refusal is shown and Errata names its box.
    bool Ok(); // true: the dialog closes
    bool Applica();
    // The parameters back to the restore point; also Esc and the close box.
    void Annulla();

    // A preset writes its value into the group's read boxes only.
    void Preimposta(int g, int i);
    // The point buttons change the parameters at once and redraw. A picker
    // k (1..8) beyond the active figure's points, and the default point with
    // no figure, do nothing.
    void Seleziona(int g, int k);
    void Origine(int g);
    void Predefinita(int g);
    // After the midpoint dialog has closed, confirmed or not: the group's
    // boxes show O; a coordinate the group has no box for is set back to
    // its value when this dialog opened.
    void DopoPuntoMedio(int g);
    // The vector from Q to R into the two boxes; the parameters wait for OK.
    void Vettore(float dx, float dy);

private:
    bool Leggi(std::string_view nullo);
    void ImpostaPunto(int g, float x, float y);
    void Ridisegna(const GruppoScheda* g);

    Programma& p_;
    const Descrittore& descrittore_;
    std::array<float, 4> ripristino_{};
    float centroXIniziale_;
    float centroYIniziale_;
};

} // namespace vellora
