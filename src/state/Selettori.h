#pragma once
// The point pickers of the dialogs ("A".."H": a point of the active figure
// into a pair of fields) and the captions every dialog with pickers shares.
#include "model/Disegno.h"

namespace vellora {

inline constexpr int NumeroSelettori = 8;
// With their access keys. OK is the default button and Esc is Annulla.
inline constexpr const char* DidascalieSelettori[NumeroSelettori] = {"&A", "&B", "&C", "&D", "&E", "&F", "&G", "&H"};
inline constexpr const char* DidascaliaOk = "OK";
inline constexpr const char* DidascaliaApplica = "A&pplica";
inline constexpr const char* DidascaliaAnnulla = "Annulla";
inline constexpr const char* DidascaliaOrigine = "&Origine";
inline constexpr const char* DidascaliaPuntoO = "P&unto O";

// Point k of the active figure, when the drawing holds a figure and the
// active one has at least k points; false (x and y untouched) otherwise.
bool PuntoSelezionabile(const Disegno& d, int k, float& x, float& y);

// The point that stands for the active figure as a whole: the mean of its
// points, sums in single precision in increasing order, or a circle's centre
// when centroCerchio says so. False (x and y untouched) with no figure.
bool PuntoPredefinito(const Disegno& d, bool centroCerchio, float& x, float& y);

} // namespace vellora
