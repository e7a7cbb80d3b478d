#pragma once
// The text form of the program's data files: numbers in the invariant form
// (period as separator, no leading zero, no sign position reserved) and the
// reader that takes the values back field by field.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vellora {

// ".5", "-.25", "3", "1E+08", "1.5E-07": the digits of TestoConSegno without
// the blank it keeps for the sign of non-negative values.
std::string TestoNumeroFile(float v);

// The conversions behind CampiFile::Leggi, for readers that must tell a
// field that is not a number (nothing) from one that is. Blanks around the
// digits and a plus sign are ignored; "nan" and "inf" are numbers here.
std::optional<float> SingolaDaCampo(std::string_view campo);
std::optional<double> NumeroDaCampo(std::string_view campo);

// The text without the blanks, tabs and CRs around it.
std::string_view Rifila(std::string_view s);

// Fields separated by commas or line ends (CR LF or LF). An empty line is one
// empty field, so that a value deleted by hand does not shift the following
// ones; the line end after the last line opens no further field.
class CampiFile {
public:
    explicit CampiFile(std::string_view testo) : testo_(testo) {}

    // The next field without surrounding blanks; nothing once the text ends.
    std::optional<std::string_view> Prossimo();

    // Read the next field into v when it is a number that fits the type.
    // A field that is not there (the text ended) or empty (a value deleted by
    // hand) leaves v as it is; so does any other field, but then the answer
    // is false, for the caller to refuse the text: reading goes on with the
    // field after either way. Blanks around a number are ignored, the
    // leading zero and the exponent are optional. "nan" and "inf" are read
    // into a float, so that the caller can refuse them by their value;
    // whole types take the nearest whole number, ties to even.
    bool Leggi(float& v);
    bool Leggi(unsigned char& v);
    bool Leggi(short& v);

private:
    template <class Intero> bool LeggiIntero(Intero& v);

    std::string_view testo_;
    std::size_t pos_ = 0;
};

} // namespace vellora
