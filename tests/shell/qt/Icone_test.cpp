// Icons painted at the size and density asked, greyed when disabled, toolbar and frame buttons alike.
#include "shell/qt/Icone.h"
#include "shell/qt/StileVellora.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace vellora;

namespace {

bool Dipinta(const QImage& immagine)
{
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (qAlpha(immagine.pixel(x, y)) > 0)
                return true;
    return false;
}

TEST(Icone, DipinteAllaMisuraChiestaEGrigieSeDisabilitate)
{
    StileVellora stile;
    const std::pair<const char*, QIcon> icone[] = {
        {"omotetia", IconaVoce(Voce::Omotetia)},
        {"macro", IconaVoce(Voce::Macro)},
        {"rosso", IconaVoce(Voce::TavolozzaFigure1)},
        {"chiudi", stile.standardIcon(QStyle::SP_TitleBarCloseButton)},
        {"ripristina", stile.standardIcon(QStyle::SP_TitleBarNormalButton)},
        {"altro", stile.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton)},
    };
    for (const auto& [nome, icona] : icone) {
        const QImage normale = icona.pixmap(QSize(20, 20)).toImage();
        EXPECT_EQ(normale.size(), QSize(20, 20)) << nome;
        EXPECT_TRUE(Dipinta(normale)) << nome;
        EXPECT_EQ(icona.pixmap(QSize(20, 20), 2.0).toImage().size(), QSize(40, 40)) << nome;
        EXPECT_NE(icona.pixmap(QSize(20, 20), QIcon::Disabled).toImage(), normale) << nome;
    }
    EXPECT_TRUE(IconaVoce(Voce::MnuFile).isNull());
    // Asked again at every paint of a frame, a picture is made only once.
    EXPECT_EQ(stile.standardIcon(QStyle::SP_TitleBarMinButton).cacheKey(),
              stile.standardIcon(QStyle::SP_TitleBarMinButton).cacheKey());
}

} // namespace
