#include "files/Recenti.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/DialoghiQt.h"
#include "shell/qt/FrmPrinc.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGenericPluginFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <memory>
#include <unistd.h>

namespace vellora {
namespace {

// Keys through the event loop (QTest would skip it): Qt's evdev reader on a pipe, opened as /dev/fd/N.
struct Tastiera {
    int tubo[2] = {-1, -1};
    std::unique_ptr<QObject> lettore;

    Tastiera()
    {
        if (::pipe(tubo) == 0)
            lettore.reset(QGenericPluginFactory::create("EvdevKeyboard", QString("/dev/fd/%1").arg(tubo[0])));
    }
    ~Tastiera()
    {
        for (int fd : tubo)
            ::close(fd);
    }
    // Pressed and released.
    bool PremiF7()
    {
        const input_event e[] = {
            {{}, EV_KEY, KEY_F7, 1}, {{}, EV_SYN, SYN_REPORT, 0}, {{}, EV_KEY, KEY_F7, 0}, {{}, EV_SYN, SYN_REPORT, 0}};
        return ::write(tubo[1], e, sizeof e) == static_cast<ssize_t>(sizeof e);
    }
};

// The file dialog follows the working folder; F7 in the wait after it waits for the command; Esc
// on the save question cancels the exit, which writes the working folder into recent.dat.
TEST(DialoghiModali, SceltaFileAttesaEUscita)
{
    Tastiera tastiera;
    if (!tastiera.lettore)
        GTEST_SKIP() << "no evdev keyboard reader";
    const QString iniziale = QDir::currentPath();
    QTemporaryDir dati, avvio, lavori;
    QDir::setCurrent(avvio.path());
    const std::string c = dati.path().toStdString() + "/";
    DialoghiQt dialoghi;
    auto w = ApriProgramma(dialoghi, {c, c}, "");
    int eseguiti = 0;
    QObject::connect(w->findChild<QAction*>("MnuFileUltimoDisegno"), &QAction::triggered, w.get(), [&] { ++eseguiti; });
    // Notes the dialog's folder, chooses the file (or cancels), presses F7 in the wait.
    QString aperta;
    const auto scegli = [&](const QString& file) {
        QTimer::singleShot(0, w.get(), [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            aperta = d->directory().absolutePath();
            d->selectFile(file);
            QMetaObject::invokeMethod(d, file.isEmpty() ? "reject" : "accept");
            QTimer::singleShot(50, w.get(), [&] {
                w->activateWindow();
                EXPECT_TRUE(tastiera.PremiF7());
            });
        });
        const int prima = eseguiti;
        const auto scelto = dialoghi.ScegliFile({RichiestaFile::Salva, "Salva disegno", "", "Disegno (*.geo)|*.geo"});
        EXPECT_EQ(eseguiti, prima);
        // One more key wakes the queue: the key of the wait was kept, not lost.
        EXPECT_TRUE(tastiera.PremiF7());
        EXPECT_TRUE(QTest::qWaitFor([&] { return eseguiti == prima + 2; }));
        return scelto;
    };
    EXPECT_EQ(scegli(lavori.filePath("a.geo")), lavori.filePath("a.geo").toStdString());
    EXPECT_EQ(aperta, avvio.path());
    EXPECT_EQ(scegli(QString()), std::nullopt);
    EXPECT_EQ(aperta, lavori.path());

    Programma& p = w->StatoProgramma();
    w->findChild<QAction*>("MnuFiguraMenuQuadrilateriQuadrato")->trigger();
    QTimer::singleShot(0, w.get(), [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_FALSE(w->close());
    EXPECT_EQ(std::tuple(p.d.NumeroFigure, p.sessione.Modificato, p.sessione.InChiusura), std::tuple(1, true, false));
    EXPECT_FALSE(QFile::exists(dati.filePath("recent.dat")));
    p.sessione.Modificato = false;
    EXPECT_TRUE(w->close());
    QDir::setCurrent(iniziale);
    EXPECT_EQ(LeggiRecenti(c + NomeFileRecenti).value_or(Recenti{}).Cartella, lavori.path().toStdString());
}

} // namespace
} // namespace vellora
