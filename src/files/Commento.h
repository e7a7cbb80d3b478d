#pragma once
// The comment of a drawing: a rich-text file beside the drawing file, edited
// in the comment window (Mostra > Commento). These are the commands that open
// and close the window and decide what becomes of the file.
#include "state/Programma.h"

#include <cstdint>
#include <string>

namespace vellora {

inline const std::string MessaggioCommentoSenzaNome =
    "E' possibile visualizzare una finestra di commento solo dopo aver salvato il disegno";
inline const std::string DomandaSalvareCommento = "Salvare le modifiche al commento?";

// Larger than any comment typed by hand; a bigger file is not read at all.
inline constexpr std::uintmax_t LimiteCommento = 4 * 1024 * 1024;

// "a.geo" and "a.GEO" give "a.rtf"; a name without that extension keeps it
// whole and gets ".rtf" added ("a" gives "a.rtf", "a.txt" gives "a.txt.rtf").
std::string NomeCommento(const std::string& nomeDisegno);

// The text of the comment file. A missing file is an empty comment; a file
// that cannot be read, is too large or is not rich text gives an empty text
// with the reason in `motivo` (empty when the file was read).
TestoRicco LeggiCommento(const std::string& percorso, std::string& motivo);

// MnuVisualizzaCommento: opens the window with the drawing's comment, or
// closes it as the user would (ChiusuraCommento). A drawing never saved has
// no comment: refused with a message.
void AlternaCommento(Programma& p);

// The user closes the window: after a change, "Salvare le modifiche al
// commento?"; Sì stores the text (ChiudiCommento), No drops it, leaving the
// file as it was, Annulla (Esc) keeps the window open with its text.
void ChiusuraCommento(Programma& p);

// Stores the comment beside the drawing (an emptied comment deletes its file)
// and closes the window, without asking. Nothing is written when the text is
// as it was loaded from the file the drawing still names, nor over a file
// that could not be read, unless the user typed. False, after a message
// saying why, when the file could not be written or deleted: the window stays
// open with its text, and the caller (open, new drawing, exit) must stop.
bool ChiudiCommento(Programma& p);

// The window reports that the user changed the text.
void SegnaCommentoModificato(Programma& p);

} // namespace vellora
