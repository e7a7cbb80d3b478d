// The coordinates window on the real main window, offscreen: opened from the
// Insert menu, filled with the keyboard or by the double click, closed by OK,
// by Esc and by its close box.
#include "Finti.h"
#include "plane/qt/FrmPiano.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/PulsanteLaterale.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vellora {
namespace {

class Coordinate : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<FrmPrinc> w;

    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        const std::string c = cartella.path().toStdString() + "/";
        w = ApriProgramma(dialoghi, {c, c}, "");
        // The title window shown at start-up would take the keys.
        w->findChild<QWidget*>("frmSplash")->close();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    Programma& p() { return w->StatoProgramma(); }
    QAction* Azione(const char* nome) { return w->findChild<QAction*>(nome); }
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

// Alt+I, C opens the window beside the plane; the double click writes the
// centroid of the selected triangle; F5 cannot delete behind the window;
// Tab goes x then y, row after row; Enter is OK, which builds the figure and
// gives the plane its whole width back. Reopened, the window shows the texts
// as the reader left them; its close box and Esc close it.
TEST_F(Coordinate, DalMenuAllaFigura)
{
    Azione("MnuFiguraMenuTriangoliRett")->trigger(); // (1,1) (1,4) (3,1)
    const int intera = LarghezzaPiano(false);
    QTest::keyClick(w.get(), Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] {
        QWidget* menu = QApplication::activePopupWidget();
        return menu && menu->objectName() == "MnuFigura";
    }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
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
