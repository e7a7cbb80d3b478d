#pragma once
// The ready-made figures of the Insert menu and the circle items' check.
#include "state/Programma.h"

#include <span>

namespace vellora {

struct FiguraPredefinita {
    Voce voce;
    int n;
    float x[12];
    float y[12];
};

// The 19 ready-made figures in menu order, with their stored vertices.
std::span<const FiguraPredefinita> CatalogoFigure();

// Places the ready-made figure of a menu item, selects it and refreshes the
// display; with 128 figures it silently does nothing. Returns false when the
// item is not a ready-made figure.
bool InserisciFiguraPredefinita(Programma& p, Voce voce);

// What every way of inserting shows once the new figure is in the table and
// selected: the redraw, the active-object fields, the status reset, the data
// panel and the figure items.
void MostraFiguraInserita(Programma& p);
// The same, with the drawing marked modified first.
void ConcludiInserimento(Programma& p);

// The circle items first require the same scale on both axes; true when the
// item's dialog may open.
bool ControllaMonometrico(Programma& p);

} // namespace vellora
