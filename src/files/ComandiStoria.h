#pragma once
// "Modifica > Annulla" and "Modifica > Ripeti": the drawing and its selection
// as they were before the last step (after the last undone one); the totals
// start again from that selection. Back at the drawing last saved, the
// drawing is no longer marked modified.
#include "state/Programma.h"

namespace vellora {

void AnnullaPasso(Programma& p);
void RipetiPasso(Programma& p);

} // namespace vellora
