#pragma once
// Printing a rich text (the comment of a drawing) on the printer the drawing
// prints on; with no printer installed, into a PDF file chosen by the user.
#include <string>

class QTextDocument;

namespace vellora {

class Programma;

inline const std::string TitoloSalvaPdfCommento = "Salva il commento in PDF";

// An empty line, then the whole text. `nomePdf` is the name offered for the
// PDF file. A printer or file that fails is reported with its reason.
void StampaTesto(Programma& p, const QTextDocument& testo, const std::string& nomePdf);

} // namespace vellora
