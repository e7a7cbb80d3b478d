#pragma once
// Printing the drawing from the File menu, and the same page written to a
// PDF file without any dialog.
#include "print/Stampante.h"

#include <string>

class QWidget;

namespace vellora {

class Programma;

// Opens the print dialog and prints on the default printer; with no printer
// installed, the dialog's "Stampa" asks for a PDF file instead.
void StampaDisegno(Programma& p, QWidget* parent);

// The printed page of the drawing, as one PDF page in the given file (its
// name as bytes). False, with the reason in Italian, when the file cannot be
// written; an older file of that name is then intact.
bool EsportaPdf(const Programma& p, const std::string& percorso, std::string& motivo, float fattore = 1.0f,
                Orientamento orientamento = Orientamento::Orizzontale);

} // namespace vellora
