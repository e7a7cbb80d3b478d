#include "files/RtfParole.h"

#include <unordered_map>

namespace vellora::rtf {

Parola CercaParola(std::string_view nome)
{
    using enum Azione;
    static const std::unordered_map<std::string_view, Parola> parole = [] {
        std::unordered_map<std::string_view, Parola> m = {
            // The text has paragraphs only: a line break within one starts
            // the next, and a table row reads as a paragraph of cells apart.
            {"par", {Carattere, '\n'}},
            {"line", {Carattere, '\n'}},
            {"row", {Carattere, '\n'}},
            {"cell", {Carattere, '\t'}},
            {"tab", {Carattere, '\t'}},
            {"emdash", {Carattere, 0x2014}},
            {"endash", {Carattere, 0x2013}},
            {"emspace", {Carattere, 0x2003}},
            {"enspace", {Carattere, 0x2002}},
            {"qmspace", {Carattere, 0x2005}},
            {"bullet", {Carattere, 0x2022}},
            {"lquote", {Carattere, 0x2018}},
            {"rquote", {Carattere, 0x2019}},
            {"ldblquote", {Carattere, 0x201C}},
            {"rdblquote", {Carattere, 0x201D}},
            {"b", {Grassetto}},
            {"i", {Corsivo}},
            {"ulnone", {NessunaLinea}},
            {"cf", {Colore}},
            {"fs", {Dimensione}},
            {"f", {Font}},
            {"plain", {Semplice}},
            {"uc", {SaltoUnicode}},
            {"u", {Unicode}},
            {"bin", {Binario}},
            {"deff", {FontPredefinito}},
            {"red", {Rosso}},
            {"green", {Verde}},
            {"blue", {Blu}},
            {"fonttbl", {TabellaFont}},
            {"colortbl", {TabellaColori}},
        };
        // Dotted, dashed, double, wavy... lines are all underline here.
        for (std::string_view linea :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash",
              "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            m[linea] = {Sottolineato};
        for (std::string_view d : {"stylesheet",
                                   "info",
                                   "pict",
                                   "header",
                                   "headerl",
                                   "headerr",
                                   "headerf",
                                   "footer",
                                   "footerl",
                                   "footerr",
                                   "footerf",
                                   "footnote",
                                   "annotation",
                                   "object",
                                   "fldinst",
                                   "listtable",
                                   "listoverridetable",
                                   "revtbl",
                                   "rsidtbl",
                                   "generator",
                                   "xmlnstbl",
                                   "themedata",
                                   "colorschememapping",
                                   "latentstyles",
                                   "datastore",
                                   "filetbl",
                                   "private",
                                   "template",
                                   "txe",
                                   "xe",
                                   "tc",
                                   "bkmkstart",
                                   "bkmkend",
                                   "pgdsctbl",
                                   "nonshppict",
                                   "shp",
                                   "shpinst",
                                   "objdata",
                                   "mmathPr",
                                   "fchars",
                                   "lchars",
                                   "docvar",
                                   "userprops",
                                   "ftnsep",
                                   "ftnsepc",
                                   "aftnsep",
                                   "aftnsepc",
                                   "pn",
                                   "do"})
            m[d] = {Scarta};
        return m;
    }();
    const auto it = parole.find(nome);
    return it == parole.end() ? Parola{} : it->second;
}

} // namespace vellora::rtf
