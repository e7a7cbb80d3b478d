// The sections F1 opens, against the help pages as they are installed.
#include "figures/Cerchi.h"
#include "shell/PagineGuida.h"
#include "transform/Schede.h"

#include <fstream>
#include <gtest/gtest.h>
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

} // namespace
