#include "Finti.h"
#include "plane/qt/FrmPiano.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/FrmPrinc.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vellora;

namespace {

// The bitmap file and the clipboard get the plane's canvas pixel by pixel.
TEST(Bitmap, IlFileEGliAppuntiRicevonoLaTela)
{
    QTemporaryDir cartella;
    test::DialoghiFinti dialoghi;
    const std::string c = cartella.path().toStdString() + "/";
    const auto w = ApriProgramma(dialoghi, {c, c}, "");
    const auto esegui = [&](const char* nome) { w->findChild<QAction*>(nome)->trigger(); };
    esegui("MnuFiguraMenuTriangoliEqui");
    const QImage tela = w->Piano()->Schermo().Immagine().convertToFormat(QImage::Format_RGB32);
    const QString percorso = cartella.filePath("piano.bmp"), manca = cartella.filePath("manca/piano.bmp");
    dialoghi.fileScelti = {percorso.toStdString(), manca.toStdString()};
    esegui("MnuFileSalvaBitmap");
    EXPECT_EQ(QImageReader(percorso).format(), QByteArray("bmp"));
    EXPECT_EQ(QImage(percorso).convertToFormat(QImage::Format_RGB32), tela);

    esegui("MnuFileSalvaBitmap");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo.rfind("Impossibile salvare l'immagine in «" + manca.toStdString(), 0), 0u);

    esegui("MnuFileClipboard");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), tela);
}

} // namespace
