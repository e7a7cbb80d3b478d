#include "FinestraProva.h"
#include "files/Recenti.h"
#include "plane/qt/FrmPiano.h"
#include "shell/qt/PulsanteLaterale.h"
#include "shell/qt/StampaQt.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace vellora {
namespace {

QString Nome(Voce v)
{
    return QString::fromUtf8(NomeVoce(v));
}

// The main window as the program opens it, scripted message boxes, an empty program folder.
class FinestraPrincipale : public test::FinestraProva {
protected:
    void SetUp() override // without the triangle
    {
        ASSERT_TRUE(cartella.isValid());
        const std::string c = cartella.path().toStdString() + "/";
        w = ApriProgramma(dialoghi, {c, c}, "");
    }
    QAction* Azione(Voce v) const
    {
        if (auto* menu = w->findChild<QMenu*>(Nome(v)))
            return menu->menuAction();
        return w->findChild<QAction*>(Nome(v));
    }
    QString Campo(const char* nome) const { return w->findChild<QLineEdit*>(nome)->text(); }
    QString Etichetta(const QString& nome) const { return w->findChild<QLabel*>(nome)->text(); }
    QImage Tela() const { return w->Piano()->Schermo().Immagine().copy(); }
};

TEST_F(FinestraPrincipale, IlMenuInserisceIlTriangoloEIlPulsanteLoRuota)
{
    Azione(Voce::MnuFiguraMenuTriangoliRett)->trigger();
    EXPECT_EQ(Campo("CampoFigura"), QString("Figura  1: triangolo giallo"));
    EXPECT_EQ(Campo("CampoVertice"), QString("Figura"));

    auto* ruota = w->findChild<PulsanteLaterale*>("ruota1");
    QTest::mouseClick(ruota, Qt::LeftButton);
    EXPECT_EQ(Etichetta("Pannello1"), QString("Rot.=10°")); // the figure itself: the core's tests
    QTest::mouseClick(ruota, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Etichetta("Pannello1"), QString("Rot.=0°"));
}

TEST_F(FinestraPrincipale, OgniVoceHaUnSoloControlloConIlSuoNome)
{
    for (size_t i = 0; i < NumeroVoci; ++i) {
        const QString nome = Nome(static_cast<Voce>(i));
        EXPECT_EQ(w->findChildren<QObject*>(nome).size(), 1) << nome.toStdString();
    }
}

// The letter after the single "&" of a caption, lower case; none without one.
QChar TastoDiAccesso(const QString& didascalia)
{
    const qsizetype i = QString(didascalia).replace("&&", "__").indexOf('&');
    return i >= 0 && i + 1 < didascalia.size() ? didascalia[i + 1].toLower() : QChar();
}

// No key for two commands; every menu item has an access key, the menu bar's all different.
TEST_F(FinestraPrincipale, ScorciatoieETastiDiAccesso)
{
    QStringList scorciatoie;
    for (QAction* a : w->findChildren<QAction*>())
        if (!a->shortcut().isEmpty())
            scorciatoie << a->shortcut().toString();
    EXPECT_EQ(QSet<QString>(scorciatoie.begin(), scorciatoie.end()).size(), scorciatoie.size())
        << scorciatoie.join(' ').toStdString();

    for (QMenu* menu : w->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            EXPECT_TRUE(a->isSeparator() || !TastoDiAccesso(a->text()).isNull()) << a->text().toStdString();
    QString barra;
    for (QAction* a : w->menuBar()->actions())
        barra += TastoDiAccesso(a->text());
    EXPECT_EQ(QSet<QChar>(barra.begin(), barra.end()).size(), barra.size()) << barra.toStdString();
}

// Each key of the guide's table runs its one command (a dialog it opens is closed at once).
TEST_F(FinestraPrincipale, LeScorciatoieRaggiungonoIlComando)
{
    QStringList eseguite;
    for (QAction* a : w->findChildren<QAction*>())
        QObject::connect(a, &QAction::triggered, w.get(), [&eseguite, a] { eseguite << a->objectName(); });
    const auto premi = [&](const QKeySequence& tasto) {
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        QTimer::singleShot(0, w.get(), [] {
            if (QWidget* dialogo = QApplication::activeModalWidget())
                dialogo->close();
        });
        eseguite.clear();
        QTest::keySequence(w.get(), tasto);
        return eseguite;
    };
    Azione(Voce::MnuFiguraMenuQuadrilateriQuadrato)->trigger(); // the figure items need a figure
    const std::pair<const char*, Voce> tasti[] = {
        {"F1", Voce::MnuInfoGuida},
        {"F2", Voce::MnuFiguraReplica},
        {"F4", Voce::MnuFileSalva},
        {"F6", Voce::MnuFileApri},
        {"F7", Voce::MnuFileUltimoDisegno},
        {"Ctrl+A", Voce::MnuVisualizzaAssiSimm},
        {"Ctrl+D", Voce::MnuVisualizzaDati},
        {"Ctrl+N", Voce::MnuImpostazioniRange},
        {"Ctrl+P", Voce::MnuMacroImpostaPausa},
        {"Ctrl+R", Voce::MnuVisualizzaRighello},
        {"Ctrl+S", Voce::MnuImpostazioniScala},
        {"F5", Voce::MnuModificaElimina},
    };
    for (const auto& [tasto, voce] : tasti)
        EXPECT_EQ(premi(QKeySequence(tasto)), QStringList{Nome(voce)}) << tasto;
    // F3 pauses a recording; Ctrl+I, which stops a playback, is tried on a playing macro.
    Azione(Voce::MnuMacroInizio)->trigger();
    EXPECT_EQ(premi(QKeySequence("F3")), QStringList{Nome(Voce::MnuMacroInserisciPausa)});
}

TEST_F(FinestraPrincipale, StatiAllAperturaESeguitiDalNucleo)
{
    const std::tuple<Voce, bool, bool> casi[] = {
        // {item, enabled, checked}
        {Voce::MnuVisualizzaCommento, true, false}, {Voce::MnuModificaElimina, false, false},
        {Voce::MnuVisualizzaRighello, true, true},  {Voce::MnuImpostazioniTrasfRotazione, true, false},
        {Voce::TavolozzaFigure0, true, false},
    };
    for (const auto& [voce, abilitata, spuntata] : casi) {
        QAction* a = Azione(voce);
        ASSERT_NE(a, nullptr) << NomeVoce(voce);
        EXPECT_EQ(a->isEnabled(), abilitata) << NomeVoce(voce);
        EXPECT_EQ(a->isChecked(), spuntata) << NomeVoce(voce);
    }
    // Enabled with no macro: its click explains why nothing can be played.
    EXPECT_TRUE(w->findChild<PulsanteLaterale*>("Macro")->isEnabled());
    EXPECT_EQ(w->findChild<QMdiSubWindow*>()->windowTitle(), QString("Senza nome"));

    p().voci.Abilita(Voce::MnuFigura, false);
    p().voci.Abilita(Voce::MnuInfoGuida, false);
    w->Aggiorna();
    EXPECT_FALSE(Azione(Voce::MnuFigura)->isEnabled());
    EXPECT_FALSE(Azione(Voce::MnuInfoGuida)->isEnabled());
    EXPECT_TRUE(Azione(Voce::MnuFileNuovo)->isEnabled());
}

// Ruler, thick stroke: tick and plane follow at once, back as they were; the stroke kept in the settings.
TEST_F(FinestraPrincipale, RighelloETrattoSpessoRidisegnanoIlPiano)
{
    const QImage iniziale = Tela();
    for (const Voce v : {Voce::MnuVisualizzaRighello, Voce::MnuVisualizzaTrattoSpesso})
        for (const bool cambiato : {true, false}) {
            const bool spuntata = !p().voci.Spuntata(v);
            Azione(v)->trigger();
            EXPECT_EQ(std::tuple(Azione(v)->isChecked(), p().voci.Spuntata(v)), std::tuple(spuntata, spuntata));
            EXPECT_EQ(Tela() != iniziale, cambiato) << NomeVoce(v);
            EXPECT_TRUE(v == Voce::MnuVisualizzaRighello ||
                        QSettings("Vellora", "Vellora").value("Mostra/TrattoSpesso").toBool() == spuntata);
            EXPECT_FALSE(p().sessione.Modificato);
        }
}

// Restored from maximised, the plane window keeps a usable size.
TEST_F(FinestraPrincipale, IlPianoRipristinatoHaUnaDimensioneNormale)
{
    w->resize(1024, 768);
    w->show();
    auto* finestra = w->findChild<QMdiSubWindow*>();
    ASSERT_TRUE(finestra->isMaximized());
    finestra->showNormal();
    const QSize area = finestra->mdiArea()->viewport()->size();
    EXPECT_GE(finestra->height(), area.height() / 2);
    EXPECT_GE(finestra->width(), area.width() / 2);
    EXPECT_TRUE(QRect(QPoint(), area).contains(finestra->geometry()));
}

TEST_F(FinestraPrincipale, LeCirconferenzeRichiedonoUnSistemaMonometrico)
{
    p().d.ScalaX = 2;
    Azione(Voce::MnuFiguraCerchio2)->trigger();
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo,
              "Non è possibile inserire circonferenze se il sistema non è monometrico (stessa scala sui due assi)");
}

TEST_F(FinestraPrincipale, NuovoDisegnoSvuotaICampi)
{
    Azione(Voce::MnuFiguraMenuQuadrilateriQuadrato)->trigger();
    dialoghi.risposte = {Risposta::No};
    Azione(Voce::MnuFileNuovo)->trigger();
    EXPECT_EQ(Campo("CampoFigura"), QString("Non ci sono figure"));
    EXPECT_EQ(Campo("CampoVertice"), QString());
}

TEST_F(FinestraPrincipale, LaChiusuraERifiutataDuranteLaRegistrazione)
{
    const QString recenti = cartella.filePath(QString::fromStdString(NomeFileRecenti));
    p().voci.Abilita(Voce::MnuMacroFine, true);
    EXPECT_FALSE(w->close());
    EXPECT_EQ(dialoghi.messaggi.size(), 1u); // what it says: the core's test
    EXPECT_FALSE(QFile::exists(recenti));

    p().voci.Abilita(Voce::MnuMacroFine, false);
    Azione(Voce::MnuFileEsci)->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(QFile::exists(recenti));
}

TEST_F(FinestraPrincipale, PannelliDiStatoERegistrazione)
{
    auto* reg = w->findChild<QLabel*>("Pannello7");
    EXPECT_FALSE(reg->isVisibleTo(w.get()));
    p().testi.Pannello7Visibile = true;
    p().testi.Pannelli[5] = "Stir. vert.=2";
    p().testi.SuggerimentoMacro = "Esegue la macro prova.mcr";
    w->Aggiorna();
    EXPECT_TRUE(reg->isVisibleTo(w.get()));
    EXPECT_EQ(reg->text(), QString("Reg"));
    EXPECT_EQ(Etichetta("Pannello6"), QString("Stir. vert.=2"));
    EXPECT_EQ(w->findChild<PulsanteLaterale*>("Macro")->toolTip(), QString("Esegue la macro prova.mcr"));
}

} // namespace
} // namespace vellora
