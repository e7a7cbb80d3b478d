#pragma once
// The macro recorder as the commands see it: while recording, each command
// hands over its line. The working copy appends it to "Macro.tmp", opening and
// closing the file every time so that nothing recorded is lost if the program
// stops; tests put a recorder of their own in its place.
#include <initializer_list>
#include <span>
#include <string>

namespace vellora {

inline const std::string NomeCopiaLavoro = "Macro.tmp";

// The working copy in the folder of recent.dat (ending with '/').
inline std::string PercorsoCopiaLavoro(const std::string& cartellaDati)
{
    return cartellaDati + NomeCopiaLavoro;
}

class Registratore {
public:
    virtual ~Registratore() = default;
    virtual void Accoda(const std::string& riga) = 0;
};

// Appends each line and a CR LF to the file at `percorso`. A write failure
// stops nothing: the command has already taken effect.
class RegistratoreFile : public Registratore {
public:
    explicit RegistratoreFile(const std::string& cartella) : cartella_(cartella) {}
    void Accoda(const std::string& riga) override;

private:
    const std::string& cartella_; // the folder of the working copy, as it is when the line arrives
};

// "Rotazione,  10,  0,  0": the word, then ", " and each number in the
// sign-reserving form (" 10", "-30", " .5").
std::string RigaMacro(const std::string& parola, std::span<const float> valori);
std::string RigaMacro(const std::string& parola, std::initializer_list<float> valori = {});

// Byte 0..255, Long (32 bits) and Single, as a line's parameters are typed.
enum class TipoParametro { Byte, Long, Singola };

} // namespace vellora
