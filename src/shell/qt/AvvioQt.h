#pragma once
// The start-up of the windowed program, shared by main() and the GUI tests so
// that the tests run the very wiring the user gets.
#include "state/Dialoghi.h"

#include <QStringList>
#include <memory>
#include <string>

class QApplication;

namespace vellora {

class FrmPrinc;

struct CartelleProgramma {
    std::string programma; // the executable's folder, ending with '/'
    std::string dati;      // where recent.dat lives, ending with '/'
};

// The program folder, and the user's data folder (created) when the program
// folder is not writable, as for an installed program.
CartelleProgramma CartelleDiSistema();

// The arguments after the program name, joined by blanks as typed.
std::string RigaDiComando(const QStringList& argomenti);

// Qt's own texts in Italian: the buttons of the message boxes read "Sì",
// "No", "Annulla".
void CaricaTraduzioniQt(QApplication& app);

// The primary screen is at least 800 x 600 pixels.
bool SchermoAdeguato();

// Initial values, the main window around the plane window, the title window
// when no drawing is named, the first drawing of the plane.
std::unique_ptr<FrmPrinc> ApriProgramma(Dialoghi& dialoghi, const CartelleProgramma& cartelle,
                                        const std::string& rigaComando);

} // namespace vellora
