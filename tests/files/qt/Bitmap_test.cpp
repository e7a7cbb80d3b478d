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

namespace vellora {
namespace {

class BitmapTest : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<FrmPrinc> w;

    void SetUp() override
    {
        const std::string c = cartella.path().toStdString() + "/";
        w = ApriProgramma(dialoghi, {c, c}, "");
        w->findChild<QAction*>("MnuFiguraMenuTriangoliEqui")->trigger();
    }
    QImage Tela() { return w->Piano()->Schermo().Immagine().copy(); }
};

TEST_F(BitmapTest, IlFileBmpHaLaTelaDelPianoPixelPerPixel)
{
    const QString percorso = cartella.filePath("piano.bmp");
    dialoghi.fileScelti = {percorso.toStdString()};
    w->findChild<QAction*>("MnuFileSalvaBitmap")->trigger();

    ASSERT_EQ(dialoghi.richiesteFile.size(), 1u);
    EXPECT_EQ(dialoghi.richiesteFile[0].titolo, "Salva bitmap");
    EXPECT_EQ(dialoghi.richiesteFile[0].filtro, "Windows bitmap (*.bmp)|*.bmp");
    EXPECT_EQ(QImageReader(percorso).format(), QByteArray("bmp"));
    const QImage letta(percorso);
    const QImage tela = Tela();
    EXPECT_EQ(letta.size(), tela.size());
    EXPECT_EQ(letta.convertToFormat(QImage::Format_RGB32), tela.convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(w->StatoProgramma().m.NomeDisegno.size());
    EXPECT_TRUE(dialoghi.messaggi.empty());
}

TEST_F(BitmapTest, UnFileNonScrivibileVieneSegnalato)
{
    const QString percorso = cartella.filePath("manca/piano.bmp");
    dialoghi.fileScelti = {percorso.toStdString()};
    w->findChild<QAction*>("MnuFileSalvaBitmap")->trigger();
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo.rfind("Impossibile salvare l'immagine in «" + percorso.toStdString(), 0), 0u);
}

TEST_F(BitmapTest, GliAppuntiRicevonoLaTela)
{
    w->findChild<QAction*>("MnuFileClipboard")->trigger();
    const QImage appunti = QGuiApplication::clipboard()->image();
    EXPECT_EQ(appunti.convertToFormat(QImage::Format_RGB32), Tela().convertToFormat(QImage::Format_RGB32));
}

} // namespace
} // namespace vellora
