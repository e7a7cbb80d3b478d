// The coordinates window on the real main window, offscreen, driven by keys and mouse.
#include "FinestraProva.h"
#include "plane/qt/FrmPiano.h"
#include "shell/qt/PulsanteLaterale.h"

#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>

namespace vellora {
namespace {

class Coordinate : public test::FinestraProva {
protected:
    void SetUp() override
    {
        FinestraProva::SetUp();
        // The title window shown at start-up would take the keys.
        w->findChild<QWidget*>("frmSplash")->close();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    QDockWidget* Pannello() { return w->findChild<QDockWidget*>("PannelloCoordinate"); }
    QLineEdit* Casella(const char* nome) { return Pannello()->findChild<QLineEdit*>(nome); }
    // The plane's width once the main window has laid out its panels.
    int LarghezzaPiano(bool aperta)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return (Pannello() != nullptr) == aperta; }));
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        return w->Piano()->width();
    }
    // The state the window takes and gives back.
    void ControllaVoci(bool aperta)
    {
        EXPECT_EQ(w->findChild<QMenu*>("MnuFile")->menuAction()->isEnabled(), !aperta);
        EXPECT_EQ(w->findChild<QMenu*>("MnuModifica")->menuAction()->isEnabled(), !aperta);
        EXPECT_EQ(w->findChild<PulsanteLaterale*>("ruota1")->isEnabled(), !aperta);
        EXPECT_TRUE(Azione("FigAvanti")->isEnabled());
    }
};

// Alt+I, C docks it; double click, F5 blocked, Tab order, Enter is OK; reopened as left; close box and Esc close.
TEST_F(Coordinate, DalMenuAllaFigura)
{
    const int intera = LarghezzaPiano(false);
    QTest::keyClick(w.get(), Qt::Key_I, Qt::AltModifier);
    test::PremiNelMenu("MnuFigura", Qt::Key_C);
    ASSERT_NE(Pannello(), nullptr);
    EXPECT_EQ(Pannello()->windowTitle(), QString("Coordinate della figura"));
    EXPECT_LT(LarghezzaPiano(true), intera);
    ControllaVoci(true);

    QTest::mouseDClick(Casella("TxtY2"), Qt::LeftButton);
    EXPECT_EQ(Casella("TxtX2")->text(), QString("1,666667"));
    EXPECT_EQ(Casella("TxtY2")->text(), QString("2"));
    QTest::keySequence(w.get(), QKeySequence("F5"));
    EXPECT_TRUE(dialoghi.messaggi.empty());

    Casella("TxtX0")->setFocus();
    for (const char* testo : {"0", "0", "3", "0"}) {
        QTest::keyClicks(QApplication::focusWidget(), testo);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), Casella("TxtX2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_EQ(LarghezzaPiano(false), intera);
    ControllaVoci(false);
    ASSERT_EQ(p().d.NumeroFigure, 2);
    EXPECT_EQ(p().d.Figure.X(2, 3), 1.666667f);
    EXPECT_EQ(w->findChild<QLineEdit*>("CampoFigura")->text(), QString("Figura  2: triangolo giallo"));

    Azione("MnuFiguraCoordinate")->trigger();
    ASSERT_NE(Pannello(), nullptr);
    EXPECT_EQ(Casella("TxtX2")->text(), QString("1.666667"));
    Pannello()->close(); // its close box
    LarghezzaPiano(false);
    ControllaVoci(false);
    Azione("MnuFiguraCoordinate")->trigger();
    QTest::keyClick(Casella("TxtX2"), Qt::Key_Escape);
    LarghezzaPiano(false);
    ControllaVoci(false);
    EXPECT_EQ(p().d.NumeroFigure, 2);
}

} // namespace
} // namespace vellora
