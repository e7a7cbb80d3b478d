// Undo and redo on the real main window: the side button, the keys, the
// item's caption.
#include "FinestraProva.h"
#include "shell/qt/PulsanteLaterale.h"

namespace vellora {
namespace {

using Storia = test::FinestraProva;

TEST_F(Storia, ITastiAnnullanoERipetonoLaRotazione)
{
    const float x = p().d.Figure.X(1, 2);
    QTest::mouseClick(w->findChild<PulsanteLaterale*>("ruota1"), Qt::LeftButton);
    ASSERT_NE(p().d.Figure.X(1, 2), x);
    QAction* annulla = Azione("MnuModificaAnnulla");
    EXPECT_EQ(annulla->text(), QString("&Annulla rotazione"));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keySequence(w.get(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(p().d.Figure.X(1, 2), x);
    EXPECT_EQ(Azione("MnuModificaRipeti")->text(), QString("&Ripeti rotazione"));
    QTest::keySequence(w.get(), QKeySequence("Ctrl+Shift+Z"));
    EXPECT_NE(p().d.Figure.X(1, 2), x);
    QTest::keySequence(w.get(), QKeySequence("Ctrl+Z"));
    QTest::keySequence(w.get(), QKeySequence("Ctrl+Y"));
    EXPECT_NE(p().d.Figure.X(1, 2), x);
}

} // namespace
} // namespace vellora
