#pragma once
// Lines of the macro being recorded. While recording, each command appends
// its line to the working copy, opening and closing the file every time so
// that nothing recorded is lost if the program stops.
#include <initializer_list>
#include <string>

namespace vellora {

class Programma;

inline const std::string NomeCopiaLavoro = "Macro.tmp";

// "Rotazione,  10,  0,  0": the word, then ", " and each number in the
// sign-reserving form (" 10", "-30", " .5").
std::string RigaMacro(const std::string& parola, std::initializer_list<float> valori = {});

// Appends the line and a CR LF to the working copy when recording is on.
// A write failure stops nothing: the command has already taken effect.
void AccodaRigaMacro(Programma& p, const std::string& riga);

} // namespace vellora
