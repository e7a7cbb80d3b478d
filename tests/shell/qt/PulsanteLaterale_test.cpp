#include "shell/qt/PulsanteLaterale.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace vellora {
namespace {

struct Rilascio {
    Qt::MouseButton pulsante;
    Qt::KeyboardModifiers tasti;
};

TEST(PulsanteLaterale, RiferisceIlPulsanteEITastiAlRilascioSeAbilitato)
{
    const Rilascio casi[] = {
        {Qt::LeftButton, Qt::NoModifier},
        {Qt::RightButton, Qt::ShiftModifier},
        {Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier},
    };
    for (bool abilitato : {true, false})
        for (const Rilascio& c : casi) {
            PulsanteLaterale pulsante{Voce::simm1};
            pulsante.resize(24, 24);
            pulsante.setEnabled(abilitato);
            std::vector<Rilascio> rilasci;
            QObject::connect(&pulsante, &PulsanteLaterale::Rilasciato, [&](Qt::MouseButton b, Qt::KeyboardModifiers t) {
                rilasci.push_back({b, t});
            });
            QTest::mousePress(&pulsante, c.pulsante, c.tasti);
            EXPECT_TRUE(rilasci.empty()) << "acts on release, not on press";
            QTest::mouseRelease(&pulsante, c.pulsante, c.tasti);
            ASSERT_EQ(rilasci.size(), abilitato ? 1u : 0u);
            if (abilitato) {
                EXPECT_EQ(rilasci[0].pulsante, c.pulsante);
                EXPECT_EQ(rilasci[0].tasti, c.tasti);
            }
            EXPECT_FALSE(pulsante.isDown());
        }
}

} // namespace
} // namespace vellora
