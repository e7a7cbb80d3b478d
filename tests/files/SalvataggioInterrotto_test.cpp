// A save killed half way: the file holds a whole drawing, never part of one,
// and the next save clears what the killed one left behind.
#include "CartellaProva.h"
#include "files/AccessoFile.h"
#include "files/FileDisegno.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vellora;

namespace {

// 128 figures of 20 points: the largest drawing there is.
std::string Grande(float spostamento)
{
    Disegno d;
    float x[MaxPunti], y[MaxPunti];
    for (int f = 1; f <= MaxFigure; ++f) {
        for (int k = 0; k < MaxPunti; ++k)
            x[k] = spostamento + static_cast<float>(f) / 7.0f, y[k] = static_cast<float>(k) / 3.0f;
        AggiungiFigura(d, MaxPunti, x, y);
    }
    return TestoDisegno(d);
}

class SalvataggioInterrotto : public test::CartellaProva {
protected:
    int Temporanei() const
    {
        int n = 0;
        for (const auto& voce : fs::directory_iterator(radice))
            n += voce.path().filename() != "classe.geo";
        return n;
    }
};

TEST_F(SalvataggioInterrotto, IlVecchioFileRestaIntero)
{
    const std::string primo = Grande(0), secondo = Grande(1), file = Percorso("classe.geo");
    Scrivi(file, primo);
    bool interrotto = false;
    // Until a kill falls between the temporary's creation and its rename.
    for (int prova = 0; prova < 200 && !interrotto; ++prova) {
        const pid_t figlio = ::fork();
        if (figlio == 0) {
            std::string motivo;
            for (;;)
                ScriviFileSicuro(file, secondo, motivo), ScriviFileSicuro(file, primo, motivo);
        }
        ::usleep(static_cast<useconds_t>(2000 + 97 * prova % 3000));
        ::kill(figlio, SIGKILL);
        ::waitpid(figlio, nullptr, 0);
        const std::string ora = Leggi(file);
        ASSERT_TRUE(ora == primo || ora == secondo) << "after " << prova << " kills: " << ora.size() << " bytes";
        interrotto = Temporanei() > 0;
    }
    ASSERT_TRUE(interrotto);
    std::string motivo;
    ASSERT_TRUE(ScriviFileSicuro(file, primo, motivo));
    EXPECT_EQ(Temporanei(), 0);
    EXPECT_EQ(Leggi(file), primo);
}

} // namespace
