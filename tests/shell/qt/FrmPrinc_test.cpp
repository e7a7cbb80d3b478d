#include "Finti.h"
#include "files/Recenti.h"
#include "plane/qt/FrmPiano.h"
#include "shell/qt/AvvioQt.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/PulsanteLaterale.h"
#include "shell/qt/StampaQt.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <QToolBar>
#include <QWidgetAction>
#include <gtest/gtest.h>

namespace vellora {
namespace {

QString Nome(Voce v)
{
    return QString::fromUtf8(NomeVoce(v));
}

// The main window as the program opens it, with scripted message boxes and
// an empty temporary program folder.
class FinestraPrincipale : public ::testing::Test {
protected:
    QTemporaryDir cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<FrmPrinc> w;

    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        const std::string c = cartella.path().toStdString() + "/";
        w = ApriProgramma(dialoghi, {c, c}, "");
    }
    Programma& p() { return w->StatoProgramma(); }
    QAction* Azione(Voce v) const
    {
        if (auto* menu = w->findChild<QMenu*>(Nome(v)))
            return menu->menuAction();
        return w->findChild<QAction*>(Nome(v));
    }
    QString Campo(const char* nome) const { return w->findChild<QLineEdit*>(nome)->text(); }
    QImage Tela() const { return w->Piano()->Schermo().Immagine().copy(); }
};

TEST_F(FinestraPrincipale, IlMenuInserisceIlTriangoloRettangoloESelezionaLaFigura)
{
    Azione(Voce::MnuFiguraMenuTriangoliRett)->trigger();

    EXPECT_EQ(p().m.NumeroFigure, 1);
    EXPECT_EQ(Campo("CampoFigura"), QString("Figura  1: triangolo giallo"));
    EXPECT_EQ(Campo("CampoVertice"), QString("Figura"));
}

TEST_F(FinestraPrincipale, IlPulsanteRuotaUnoRuotaLaFiguraAttiva)
{
    Azione(Voce::MnuFiguraMenuTriangoliRett)->trigger();
    auto* ruota = w->findChild<PulsanteLaterale*>("ruota1");
    ASSERT_NE(ruota, nullptr);
    QTest::mouseClick(ruota, Qt::LeftButton);

    // (1, 4) turned by 10 degrees about the origin.
    const double t = 31.4159265 / 180;
    EXPECT_FLOAT_EQ(p().m.Figure.X(1, 2), static_cast<float>(1 * std::cos(t) - 4 * std::sin(t)));
    EXPECT_FLOAT_EQ(p().m.Figure.Y(1, 2), static_cast<float>(4 * std::cos(t) + 1 * std::sin(t)));
    EXPECT_EQ(w->findChild<QLabel*>("Pannello1")->text(), QString("Rot.=10°"));

    QTest::mouseClick(ruota, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(w->findChild<QLabel*>("Pannello1")->text(), QString("Rot.=0°"));
    EXPECT_TRUE(p().m.Modificato);
}

TEST_F(FinestraPrincipale, OgniVoceHaUnSoloControlloConIlSuoNome)
{
    for (size_t i = 0; i < NumeroVoci; ++i) {
        const QString nome = Nome(static_cast<Voce>(i));
        const auto trovati = w->findChildren<QObject*>(nome);
        EXPECT_EQ(trovati.size(), 1) << nome.toStdString();
    }
}

TEST_F(FinestraPrincipale, DidascalieEScorciatoieDeiMenu)
{
    struct Caso {
        Voce voce;
        const char* didascalia;
        const char* scorciatoia;
    };
    const Caso casi[] = {
        {Voce::MnuFile, "&File", ""},
        {Voce::MnuFileApri, "&Apri disegno", "F6"},
        {Voce::MnuFileClipboard, "Salva bitmap negli A&ppunti", ""},
        {Voce::MnuModificaElimina, "&Elimina", "F5"},
        {Voce::MnuFiguraMenuTriangoliRett1, "Triangolo &rettangolo (30°, 60°)", ""},
        {Voce::MnuFiguraCerchio, "Di dato centro, passante per un &punto dato", ""},
        {Voce::MnuFiguraReplica, "Re&plica della figura selezionata", "F2"},
        {Voce::MnuImpostazioniRange, "&Range", "Ctrl+N"},
        {Voce::MnuImpostazioniScala, "&Scala", "Ctrl+S"},
        {Voce::MnuImpostazioniTrasfSimm1, "Simmetria rispetto a un asse ori&zzontale", ""},
        {Voce::MnuVisualizza, "M&ostra", ""},
        {Voce::MnuVisualizzaRighello, "&Righello", "Ctrl+R"},
        {Voce::MnuVisualizzaAssiSimm, "&Assi per O", "Ctrl+A"},
        {Voce::MnuMacroInterrompi, "&Interrompi", "Ctrl+I"},
        {Voce::MnuMacroInserisciPausa, "Inserisci &pausa", "F3"},
        {Voce::MnuMacroImpostaPausa, "Impo&sta pausa", "Ctrl+P"},
        {Voce::MnuInfo, "&?", ""},
        {Voce::MnuInfoGuida, "&Guida a Vellora", "F1"},
        {Voce::MnuInfoWebAutore, "Home page dell'&autore", ""},
    };
    for (const Caso& c : casi) {
        QAction* a = Azione(c.voce);
        ASSERT_NE(a, nullptr) << NomeVoce(c.voce);
        EXPECT_EQ(a->text(), QString::fromUtf8(c.didascalia)) << NomeVoce(c.voce);
        EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), QString(c.scorciatoia)) << NomeVoce(c.voce);
    }
}

TEST_F(FinestraPrincipale, SuggerimentiDeiPulsantiEDeiCampi)
{
    struct Caso {
        QString nome;
        const char* suggerimento;
    };
    const Caso casi[] = {
        {Nome(Voce::simm4), "Clic: simmetria rispetto alla retta OP; shift+clic: trasformazione inversa; "
                            "clic col destro: impostazione"},
        {Nome(Voce::Macro), "Esegue una macro; attualmente non è attiva alcuna macro"},
        {Nome(Voce::TavolozzaFigure7), " Applica o toglie il tratteggio alla figura attiva"},
        {Nome(Voce::TavolozzaFigure3), "Applica il colore alla figura attiva"},
        {Nome(Voce::CmdReplica), "Crea una replica della figura selezionata (sovrapposta)"},
        {Nome(Voce::ResettaPiano), "I quattro quadranti"},
        {Nome(Voce::TraslaPiano3), "Traslazione del piano"},
        {"CampoFigura", " Figura selezionata"},
        {"CampoVertice", "Oggetto attivo (figura o vertice)"},
        {"StatusBar", "I valori sono resettati ad ogni selezione di oggetto (figura o punto)"},
        {"Pannello7", "E' in corso la registrazione di una macro"},
    };
    for (const Caso& c : casi) {
        QObject* o = w->findChild<QObject*>(c.nome);
        ASSERT_NE(o, nullptr) << c.nome.toStdString();
        EXPECT_EQ(o->property("toolTip").toString(), QString::fromUtf8(c.suggerimento)) << c.nome.toStdString();
    }
}

QStringList NomiNellaBarra(QToolBar* barra)
{
    QStringList nomi;
    for (QAction* a : barra->actions()) {
        if (a->isSeparator())
            continue;
        auto* w = qobject_cast<QWidgetAction*>(a);
        nomi << (w ? w->defaultWidget()->objectName() : a->objectName());
    }
    return nomi;
}

TEST_F(FinestraPrincipale, OrdineDeiPulsantiNelleBarre)
{
    EXPECT_EQ(NomiNellaBarra(w->findChild<QToolBar*>("BarraLaterale")),
              QStringList({"Stir2", "Stir1", "Omotetia", "simm4", "simm3", "simm2", "simm1", "ruota1", "trasla3",
                           "trasla2", "trasla1", "Macro"}));
    EXPECT_EQ(
        NomiNellaBarra(w->findChild<QToolBar*>("BarraInferiore")),
        QStringList({"CmdElimina", "CmdReplica", "TavolozzaFigure0", "TavolozzaFigure1", "TavolozzaFigure2",
                     "TavolozzaFigure3", "TavolozzaFigure4", "TavolozzaFigure5", "TavolozzaFigure6", "TavolozzaFigure7",
                     "VerticeAvanti", "VerticeIndietro", "CampoVertice", "FigIndietro", "FigAvanti", "CampoFigura"}));
    EXPECT_EQ(NomiNellaBarra(w->findChild<QToolBar*>("BarraPiano")),
              QStringList({"PrimoQuadrante", "SecondoQuadrante", "TerzoQuadrante", "QuartoQuadrante", "ResettaPiano",
                           "TraslaPiano1", "TraslaPiano2", "TraslaPiano3", "TraslaPiano4"}));
}

TEST_F(FinestraPrincipale, OrdineDelleVociNeiMenu)
{
    auto nomi = [this](Voce menu) {
        QStringList r;
        for (QAction* a : w->findChild<QMenu*>(Nome(menu))->actions())
            if (!a->isSeparator())
                r << (a->menu() ? a->menu()->objectName() : a->objectName());
        return r;
    };
    EXPECT_EQ(nomi(Voce::MnuFile), QStringList({"MnuFileNuovo", "MnuFileApri", "MnuFileSalva", "MnuFileSalvaNome",
                                                "MnuFileSalvaFiguraNome", "MnuFileSalvaBitmap", "MnuFileClipboard",
                                                "MnuFileStampa", "MnuFileUltimoDisegno", "MnuFileEsci"}));
    EXPECT_EQ(nomi(Voce::MnuFigura),
              QStringList({"MnuFiguraMenu", "MnuFiguraFile", "MnuFiguraCoordinate", "MnuCerchio", "MnuFiguraReplica"}));
    EXPECT_EQ(nomi(Voce::MnuFiguraMenuOttagoni), QStringList({"MnuFiguraMenuOttagoniRegolare"}));
}

TEST_F(FinestraPrincipale, StatiAllApertura)
{
    struct Caso {
        Voce voce;
        bool abilitata;
        bool spuntata;
    };
    const Caso casi[] = {
        {Voce::MnuFile, true, false},
        {Voce::MnuFileNuovo, true, false},
        {Voce::MnuFileApri, true, false},
        {Voce::MnuFileStampa, true, false},
        {Voce::MnuVisualizzaCommento, false, false}, // not connected yet, whatever the core says
        {Voce::MnuModificaElimina, false, false},
        {Voce::MnuFiguraMenuPunto, true, false},
        {Voce::MnuFiguraCerchio1, true, false},
        {Voce::MnuFiguraReplica, false, false},
        {Voce::MnuVisualizzaDati, false, false},
        {Voce::MnuVisualizzaRighello, true, true},
        {Voce::MnuVisualizzaAssiSimm, true, false},
        {Voce::MnuVisualizzaCalcolatrice, true, false},
        {Voce::MnuMacroFine, false, false},
        {Voce::MnuInfoGuidaEsempi, true, false},
        {Voce::MnuInfoWebCorvane, true, false},
        {Voce::TavolozzaFigure0, true, false},
        {Voce::TraslaPiano4, true, false},
        {Voce::MnuImpostazioniTrasfRotazione, false, false},
    };
    for (const Caso& c : casi) {
        QAction* a = Azione(c.voce);
        ASSERT_NE(a, nullptr) << NomeVoce(c.voce);
        EXPECT_EQ(a->isEnabled(), c.abilitata) << NomeVoce(c.voce);
        EXPECT_EQ(a->isChecked(), c.spuntata) << NomeVoce(c.voce);
    }
    for (const char* nome : {"Stir2", "simm1"})
        EXPECT_TRUE(w->findChild<PulsanteLaterale*>(nome)->isEnabled()) << nome;
    // Enabled with no macro: its click explains why nothing can be played.
    EXPECT_TRUE(w->findChild<PulsanteLaterale*>("Macro")->isEnabled());
    EXPECT_EQ(Campo("CampoFigura"), QString("Non ci sono figure"));
    EXPECT_EQ(w->findChild<QMdiSubWindow*>()->windowTitle(), QString("Senza nome"));
}

TEST_F(FinestraPrincipale, UnMenuDisabilitatoDalNucleoSiDisabilitaAncheNellaFinestra)
{
    p().voci.Abilita(Voce::MnuFigura, false);
    p().voci.Abilita(Voce::MnuInfoGuida, false);
    w->Aggiorna();
    EXPECT_FALSE(Azione(Voce::MnuFigura)->isEnabled());
    EXPECT_FALSE(Azione(Voce::MnuInfoGuida)->isEnabled());
    EXPECT_TRUE(Azione(Voce::MnuFileNuovo)->isEnabled());
}

TEST_F(FinestraPrincipale, IlRighelloSiToglieESiRimetteRidisegnandoIlPiano)
{
    ASSERT_GT(p().Larghezza(), 0) << "the plane has no canvas after start-up";
    const QImage conRighello = Tela();

    Azione(Voce::MnuVisualizzaRighello)->trigger();
    EXPECT_FALSE(p().voci.Spuntata(Voce::MnuVisualizzaRighello));
    EXPECT_FALSE(Azione(Voce::MnuVisualizzaRighello)->isChecked());
    EXPECT_NE(Tela(), conRighello);

    Azione(Voce::MnuVisualizzaRighello)->trigger();
    EXPECT_TRUE(p().voci.Spuntata(Voce::MnuVisualizzaRighello));
    EXPECT_TRUE(Azione(Voce::MnuVisualizzaRighello)->isChecked());
    EXPECT_EQ(Tela(), conRighello);
}

TEST_F(FinestraPrincipale, GliAssiPerOCompaionoSulPiano)
{
    // With O at the origin the axes through O would hide under the plane's own.
    p().m.CentroX = 3;
    p().m.CentroY = 2;
    p().Ridisegna();
    const QImage senzaAssi = Tela();
    Azione(Voce::MnuVisualizzaAssiSimm)->trigger();
    EXPECT_TRUE(p().voci.Spuntata(Voce::MnuVisualizzaAssiSimm));
    EXPECT_TRUE(Azione(Voce::MnuVisualizzaAssiSimm)->isChecked());
    EXPECT_NE(Tela(), senzaAssi);
}

TEST_F(FinestraPrincipale, LeCirconferenzeRichiedonoUnSistemaMonometrico)
{
    p().m.ScalaX = 2;
    Azione(Voce::MnuFiguraCerchio2)->trigger();
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo,
              "Non è possibile inserire circonferenze se il sistema non è monometrico (stessa scala sui due assi)");
    EXPECT_EQ(dialoghi.messaggi[0].icona, Icona::Stop);
    EXPECT_EQ(p().m.NumeroFigure, 0);
}

TEST_F(FinestraPrincipale, NuovoDisegnoAnnullatoLasciaLeFigure)
{
    Azione(Voce::MnuFiguraMenuQuadrilateriQuadrato)->trigger();
    dialoghi.risposte = {Risposta::Annulla};
    Azione(Voce::MnuFileNuovo)->trigger();
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Salvare il disegno?");
    EXPECT_EQ(dialoghi.messaggi[0].pulsanti, Pulsanti::SiNoAnnulla);
    EXPECT_EQ(p().m.NumeroFigure, 1);
    EXPECT_EQ(Campo("CampoFigura"), QString("Figura  1: quadrilatero giallo"));

    dialoghi.risposte = {Risposta::No};
    Azione(Voce::MnuFileNuovo)->trigger();
    EXPECT_EQ(p().m.NumeroFigure, 0);
    EXPECT_EQ(Campo("CampoFigura"), QString("Non ci sono figure"));
    EXPECT_EQ(Campo("CampoVertice"), QString());
}

TEST_F(FinestraPrincipale, LaChiusuraERifiutataDuranteLaRegistrazione)
{
    const QString recenti = cartella.filePath(QString::fromStdString(NomeFileRecenti));
    p().voci.Abilita(Voce::MnuMacroFine, true);

    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "E' in corso la registrazione di una macro");
    EXPECT_FALSE(QFile::exists(recenti));
    EXPECT_FALSE(p().m.InChiusura);

    p().voci.Abilita(Voce::MnuMacroFine, false);
    Azione(Voce::MnuFileEsci)->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(QFile::exists(recenti));
}

TEST_F(FinestraPrincipale, PannelliDiStatoERegistrazione)
{
    const char* iniziali[] = {"Rot.=0°", "xTrasl.=0", "yTrasl.=0", "Omot.=1", "Stir. oriz.=1", "Stir. vert.=1"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w->findChild<QLabel*>(QString("Pannello%1").arg(i + 1))->text(), QString::fromUtf8(iniziali[i]));
    auto* reg = w->findChild<QLabel*>("Pannello7");
    EXPECT_FALSE(reg->isVisibleTo(w.get()));

    p().testi.Pannello7Visibile = true;
    p().testi.Pannelli[0] = "Rot.=30°";
    p().testi.SuggerimentoMacro = "Esegue la macro prova.mcr";
    w->Aggiorna();
    EXPECT_TRUE(reg->isVisibleTo(w.get()));
    EXPECT_EQ(reg->text(), QString("Reg"));
    EXPECT_EQ(w->findChild<QLabel*>("Pannello1")->text(), QString("Rot.=30°"));
    EXPECT_EQ(w->findChild<PulsanteLaterale*>("Macro")->toolTip(), QString("Esegue la macro prova.mcr"));
}

} // namespace
} // namespace vellora
