#include "Finti.h"
#include "state/LeggiNumero.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

using test::DialoghiFinti;

const std::string Nessuno;
const std::string Illeggibile = "Vellora non è in grado di interpretare l'input";
const std::string PerZero = "Divisione per zero!";
const std::string Intervallo = "Uno o più valori inseriti non sono nell'intervallo che Vellora può accettare";

TEST(LeggiNumero, Tabella)
{
    // {text, value, text afterwards, message (empty: accepted)}
    const std::tuple<std::string, float, std::string, std::string> casi[] = {
        // Blank fields are worth 0; the caller's text is trimmed, "," becomes ".".
        {"    ", 0.0f, "", Nessuno},
        {"  -3,5  ", -3.5f, "-3.5", Nessuno},
        {",5", 0.5f, ".5", Nessuno},
        // Fractions: the denominator is judged first.
        {"1/3", static_cast<float>(1.0 / 3.0), "1/3", Nessuno},
        {"/2", 0.0f, "/2", Nessuno},
        {"2/", ValoreRifiutato, "2/", PerZero},
        {"1E400/0", ValoreRifiutato, "1E400/0", PerZero},
        {"1/1E400", ValoreRifiutato, "1/1E400", Intervallo},
        {" 1/2/ ", ValoreRifiutato, "1/2/", Illeggibile},
        // Characters outside the accepted set, the bytes of UTF-8 included.
        {"2e3", ValoreRifiutato, "2e3", Illeggibile},
        {"2*3", ValoreRifiutato, "2*3", Illeggibile},
        {"\t5", ValoreRifiutato, "\t5", Illeggibile},
        {"½", ValoreRifiutato, "½", Illeggibile},
        // The value of a text: its longest leading decimal number.
        {"1.5.3", 1.5f, "1.5.3", Nessuno},
        {"3-2", 3.0f, "3-2", Nessuno},
        {"2E+", 2.0f, "2E+", Nessuno},
        {"2E-1", 0.2f, "2E-1", Nessuno},
        {"--5", 0.0f, "--5", Nessuno},
        {"0E500", 0.0f, "0E500", Nessuno},
        // Limits, compared in single precision.
        {"999999", 999999.0f, "999999", Nessuno},
        {"-999999,5", ValoreRifiutato, "-999999.5", Intervallo},
        {"0,000000001", 1E-9f, "0.000000001", Nessuno},
        {"0,0000000001", ValoreRifiutato, "0.0000000001", Intervallo},
        {"1E-50", ValoreRifiutato, "1E-50", Intervallo},
        {"1E400", ValoreRifiutato, "1E400", Intervallo},
        // Only the first 22 characters count, after the whole text is checked.
        {"1234567890123456789012345", ValoreRifiutato, "1234567890123456789012", Intervallo},
        {"0000000000000000000012345", 12.0f, "0000000000000000000012", Nessuno},
        {"1234567890123456789012/0", ValoreRifiutato, "1234567890123456789012", Intervallo},
        {"1234567890123456789012x", ValoreRifiutato, "1234567890123456789012x", Illeggibile},
    };
    for (const auto& [prima, atteso, dopo, messaggio] : casi) {
        DialoghiFinti dialoghi;
        bool errore = false;
        std::string testo = prima;
        const float valore = LeggiNumero(testo, errore, dialoghi);
        EXPECT_EQ(std::tuple(valore, testo, errore), std::tuple(atteso, dopo, !messaggio.empty()))
            << '"' << prima << '"';
        EXPECT_EQ(dialoghi.Testi(), messaggio.empty() ? std::vector<std::string>{} : std::vector{messaggio});
        for (const auto& m : dialoghi.messaggi)
            EXPECT_TRUE(m.icona == Icona::Stop && m.pulsanti == Pulsanti::Ok);
    }
}

// A dialog reads its fields in a row and reports only the first bad one; the
// fields after it are not even trimmed.
TEST(LeggiNumero, SoloIlPrimoCampoErratoVieneSegnalato)
{
    DialoghiFinti dialoghi;
    bool errore = false;
    std::string campi[] = {" 1,5 ", "x", " 2/0 "};
    const std::tuple valori{LeggiNumero(campi[0], errore, dialoghi), LeggiNumero(campi[1], errore, dialoghi),
                            LeggiNumero(campi[2], errore, dialoghi)}; // in this order
    EXPECT_EQ(valori, std::tuple(1.5f, ValoreRifiutato, 0.0f));
    EXPECT_EQ(std::tuple(errore, dialoghi.Testi(), campi[0], campi[2]),
              std::tuple(true, std::vector{Illeggibile}, "1.5", " 2/0 "));
}

} // namespace
