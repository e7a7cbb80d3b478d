#include "files/CampiFile.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

using namespace vellora;

namespace {

TEST(TestoNumeroFile, FormaInvarianteSenzaPostoPerIlSegno)
{
    const std::pair<float, const char*> casi[] = {
        {0.5f, ".5"},
        {-0.25f, "-.25"},
        {3.0f, "3"},
        {-0.0f, "0"},
        {1e8f, "1E+08"},
        {1.5e-7f, "1.5E-07"},
        {1234567.0f, "1234567"},
        {1.0f / 3, ".3333333"},
    };
    for (const auto& [v, testo] : casi)
        EXPECT_EQ(TestoNumeroFile(v), testo) << v;
}

TEST(CampiFile, UnValoreIlleggibileTieneIlPrecedenteEPassaAlSuccessivo)
{
    // 7 = the old value stays. Whole types take the nearest whole number.
    const struct {
        const char* campo;
        float singola;
        int byte, intero;
    } casi[] = {
        {".5", 0.5f, 0, 0},     {" 0.5 ", 0.5f, 0, 0},  {"-.25", -0.25f, 0, 0}, {"5E-1", 0.5f, 0, 0},
        {"+2", 2, 2, 2},        {"255", 255, 255, 255}, {"256", 256, 7, 256},   {"-1", -1, 7, -1},
        {"40000", 40000, 7, 7}, {"1E+39", 7, 7, 7},     {"1E-46", 0, 0, 0},     {"abc", 7, 7, 7},
        {"", 7, 7, 7},          {"3abc", 7, 7, 7},      {"0x10", 7, 7, 7},
    };
    for (const auto& c : casi) {
        const std::string testo = std::string(c.campo) + ",9\r\n";
        float v = 7, dopo = 0;
        uint8_t b = 7;
        int16_t i = 7;
        CampiFile campi(testo);
        campi.Leggi(v);
        campi.Leggi(dopo);
        CampiFile(testo).Leggi(b);
        CampiFile(testo).Leggi(i);
        EXPECT_EQ(v, c.singola) << c.campo;
        EXPECT_EQ(dopo, 9.0f) << c.campo;
        EXPECT_EQ(b, c.byte) << c.campo;
        EXPECT_EQ(i, c.intero) << c.campo;
    }
    float v = 7;
    CampiFile("nan").Leggi(v);
    EXPECT_TRUE(std::isnan(v)); // read, so that the caller can refuse the file
}

} // namespace
