// The sections F1 opens, against the help pages as they are installed.
#include "figures/Cerchi.h"
#include "shell/PagineGuida.h"
#include "transform/Schede.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>

using namespace vellora;

namespace {

std::string Pagina(const std::string& nome)
{
    std::ifstream f(std::string(VELLORA_AIUTO) + "/" + nome);
    std::stringstream testo;
    testo << f.rdbuf();
    return testo.str();
}

bool HaAncora(const std::string& pagina, const std::string& ancora)
{
    return Pagina(pagina).find("<a name=\"" + ancora + "\">") != std::string::npos;
}

TEST(PagineGuida, OgniFinestraHaLaSuaSezioneNellaPagina)
{
    const std::string pagina(PaginaDialoghi.substr(PaginaDialoghi.find('/') + 1));
    ASSERT_FALSE(Pagina(pagina).empty()) << pagina;
    for (std::string_view finestra : FinestreConGuida())
        EXPECT_TRUE(HaAncora(pagina, std::string(finestra))) << finestra;
}

// A dialog renamed, or added to a table, keeps its section.
TEST(PagineGuida, IDialoghiDelleTabelleHannoUnaSezione)
{
    for (int t = 0; t <= static_cast<int>(Trasformazione::Stir2); ++t)
        EXPECT_TRUE(HaSezioneGuida(SchedaDi(static_cast<Trasformazione>(t)).nome)) << t;
    for (const SchedaCerchio& s : SchedeCerchi())
        EXPECT_TRUE(HaSezioneGuida(s.nome)) << s.nome;
    for (const char* altra : {"FrmPrinc", "FinestraGuida", "", "frmsplash", "FrmRotazione2"})
        EXPECT_FALSE(HaSezioneGuida(altra)) << altra;
}

// Every link of the page leads to a page, and to an anchor, that exist: the
// other pages change on their own.
TEST(PagineGuida, ICollegamentiDellaPaginaArrivano)
{
    const std::string pagina(PaginaDialoghi.substr(PaginaDialoghi.find('/') + 1));
    const std::string testo = Pagina(pagina);
    const std::regex collegamento("href=\"([a-z]*\\.html)?(#([A-Za-z0-9]+))?\"");
    int contati = 0;
    for (auto it = std::sregex_iterator(testo.begin(), testo.end(), collegamento); it != std::sregex_iterator(); ++it) {
        const std::string file = (*it)[1].matched ? (*it)[1].str() : pagina;
        EXPECT_FALSE(Pagina(file).empty()) << file;
        if ((*it)[3].matched) {
            EXPECT_TRUE(HaAncora(file, (*it)[3].str())) << file << "#" << (*it)[3].str();
        }
        ++contati;
    }
    EXPECT_GT(contati, 40);
}

} // namespace
