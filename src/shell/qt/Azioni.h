#pragma once
// Every control of the main window in one table: where it lives, its caption
// with the access key, its shortcut and its tooltip. Menus, toolbars and the
// tests all read this table, so a caption is written exactly once.
#include "state/Voci.h"

#include <span>

namespace vellora {

enum class Posto {
    Menu,     // a menu or submenu header
    Comando,  // an item of a menu
    Laterale, // a button of the side toolbar
    Inferiore // a button of the bottom toolbar
};

struct DefinizioneAzione {
    vellora::Voce voce;
    Posto posto;
    // The menu that holds a header or an item; Voce::Conteggio is the menu bar
    // (and the toolbars, for buttons).
    vellora::Voce menu;
    const char* didascalia;
    const char* scorciatoia; // in QKeySequence's portable form, "" for none
    const char* suggerimento;
    bool separatorePrima;
};

// In menu order, then the side toolbar top to bottom, then the bottom toolbar
// left to right.
std::span<const DefinizioneAzione> TabellaAzioni();
const DefinizioneAzione& DefinizioneDi(vellora::Voce v);

// The items with a check mark.
bool VoceConSpunta(vellora::Voce v);

} // namespace vellora
