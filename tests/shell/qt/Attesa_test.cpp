#include "Finti.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/DialoghiQt.h"
#include "shell/qt/FrmPrinc.h"

#include <QAction>
#include <QApplication>
#include <QGenericPluginFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace vellora {
namespace {

// A keyboard as the window system delivers it: Qt's own evdev keyboard
// reader, pointed at a pipe, queues every key written there as it queues the
// keys the user presses. QTest would hand the key to the window at once,
// past the event loop whose wait is under test. The reader takes only
// devices under /dev.
class Tastiera {
public:
    Tastiera() : percorso_("/dev/shm/vellora-tasti-" + QByteArray::number(::getpid()))
    {
        ::unlink(percorso_.constData());
        if (::mkfifo(percorso_.constData(), 0600) != 0)
            return;
        lettore_.reset(QGenericPluginFactory::create("EvdevKeyboard", QString::fromLocal8Bit(percorso_)));
        scrittura_ = ::open(percorso_.constData(), O_WRONLY | O_NONBLOCK);
    }
    ~Tastiera()
    {
        lettore_.reset();
        if (scrittura_ >= 0)
            ::close(scrittura_);
        ::unlink(percorso_.constData());
    }
    bool Pronta() const { return lettore_ && scrittura_ >= 0; }

    // Pressed and released.
    bool Premi(int tasto)
    {
        for (const int valore : {1, 0}) {
            input_event e[2]{};
            e[0].type = EV_KEY;
            e[0].code = static_cast<__u16>(tasto);
            e[0].value = valore;
            e[1].type = EV_SYN;
            e[1].code = SYN_REPORT;
            if (::write(scrittura_, e, sizeof e) != static_cast<ssize_t>(sizeof e))
                return false;
        }
        return true;
    }

private:
    QByteArray percorso_;
    std::unique_ptr<QObject> lettore_;
    int scrittura_ = -1;
};

// The wait after a file dialog repaints the windows, but F7 pressed during
// it does not open the last drawing inside the command that showed the
// dialog: the key waits, and runs once that command has ended.
TEST(AttesaDopoIlDialogo, UnTastoPremutoNonEsegueUnSecondoComando)
{
    Tastiera tastiera;
    if (!tastiera.Pronta())
        GTEST_SKIP() << "no pipe under /dev/shm, or no evdev keyboard reader";
    QTemporaryDir cartella;
    const std::string c = cartella.path().toStdString() + "/";
    test::DialoghiFinti finti;
    auto w = ApriProgramma(finti, {c, c}, "");
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    bool inAttesa = false;
    int eseguiti = 0, eseguitiInAttesa = 0;
    QObject::connect(w->findChild<QAction*>("MnuFileUltimoDisegno"), &QAction::triggered, w.get(), [&] {
        ++eseguiti;
        eseguitiInAttesa += inAttesa;
    });

    ASSERT_TRUE(tastiera.Premi(KEY_F7)); // the keyboard reaches the command
    ASSERT_TRUE(QTest::qWaitFor([&] { return eseguiti == 1; }));

    QTimer::singleShot(0, w.get(), [&] {
        if (QWidget* dialogo = QApplication::activeModalWidget())
            dialogo->close();
        // Well inside the 0,2 s, once the main window is active again.
        QTimer::singleShot(50, w.get(), [&] {
            w->activateWindow();
            EXPECT_TRUE(tastiera.Premi(KEY_F7));
        });
    });
    DialoghiQt dialoghi;
    inAttesa = true;
    EXPECT_EQ(dialoghi.ScegliFile({RichiestaFile::Salva, "Salva disegno con nome", "", "Disegno (*.geo)|*.geo"}),
              std::nullopt);
    inAttesa = false;
    EXPECT_EQ(eseguitiInAttesa, 0);

    // One more key wakes the queue: the key of the wait was kept, not lost.
    ASSERT_TRUE(tastiera.Premi(KEY_F7));
    EXPECT_TRUE(QTest::qWaitFor([&] { return eseguiti == 3; }));
}

} // namespace
} // namespace vellora
