#pragma once
// The control words the rich-text reader acts on; every other one is read
// and ignored.
#include <cstdint>
#include <string_view>

namespace vellora::rtf {

enum class Azione : uint8_t {
    Nessuna,
    Carattere,    // a fixed character (\tab, \emdash, \par ...)
    Grassetto,    // \b
    Corsivo,      // \i
    Sottolineato, // \ul and its kinds of line
    NessunaLinea, // \ulnone
    Colore,       // \cf
    Dimensione,   // \fs
    Font,         // \f
    Semplice,     // \plain
    SaltoUnicode, // \uc
    Unicode,      // \u
    Binario,      // \bin
    FontPredefinito,
    Rosso,
    Verde,
    Blu,
    TabellaFont, // destinations
    TabellaColori,
    Scarta, // a destination that holds no text of the document
};

struct Parola {
    Azione azione = Azione::Nessuna;
    char32_t carattere = 0;
};

Parola CercaParola(std::string_view nome);

} // namespace vellora::rtf
