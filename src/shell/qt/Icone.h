#pragma once
// The pictures of the toolbar buttons, all painted here so that the program
// ships no image files: small pictures of what each command does.
#include "state/Voci.h"

#include <QIcon>

namespace vellora {

inline constexpr int LatoIcona = 24;        // side toolbar
inline constexpr int LatoIconaPiccola = 20; // bottom toolbars, which hold many more controls

// The picture of a toolbar button, painted at the button's size when first
// shown; a null icon for menu entries.
QIcon IconaVoce(vellora::Voce v);

// The program's own picture, for the window icons.
QIcon IconaProgramma();

} // namespace vellora
