// The two toolbars and the status bar of the main window.
#include "shell/qt/Azioni.h"
#include "shell/qt/FrmPrinc.h"
#include "shell/qt/Icone.h"
#include "shell/qt/PulsanteLaterale.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace vellora {

namespace {

QToolBar* NuovaBarra(QMainWindow* finestra, const char* nome, Qt::ToolBarArea dove, int lato)
{
    auto* barra = new QToolBar(QString::fromLatin1(nome), finestra);
    barra->setObjectName(QString::fromLatin1(nome));
    barra->setMovable(false);
    barra->setFloatable(false);
    barra->setIconSize(QSize(lato, lato));
    finestra->addToolBar(dove, barra);
    return barra;
}

QLineEdit* CampoSolaLettura(QWidget* genitore, const char* nome, const char* suggerimento, const QString& modello)
{
    auto* campo = new QLineEdit(genitore);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setReadOnly(true);
    // No focus: the menu shortcuts (Ctrl+A, Ctrl+S, ...) keep working.
    campo->setFocusPolicy(Qt::NoFocus);
    campo->setToolTip(QString::fromUtf8(suggerimento));
    const int margini = 2 * campo->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 12;
    campo->setFixedWidth(campo->fontMetrics().horizontalAdvance(modello) + margini);
    return campo;
}

QLabel* Pannello(QWidget* genitore, const QString& nome, const QString& modello)
{
    auto* pannello = new QLabel(genitore);
    pannello->setObjectName(nome);
    pannello->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pannello->setContentsMargins(4, 0, 4, 0);
    pannello->setMinimumWidth(pannello->fontMetrics().horizontalAdvance(modello) + 14);
    return pannello;
}

} // namespace

void FrmPrinc::CreaBarraLaterale()
{
    QToolBar* barra = NuovaBarra(this, "BarraLaterale", Qt::LeftToolBarArea, LatoIcona);
    barra->setOrientation(Qt::Vertical);
    for (const DefinizioneAzione& d : TabellaAzioni()) {
        if (d.posto != Posto::Laterale)
            continue;
        if (d.separatorePrima)
            barra->addSeparator();
        auto* pulsante = new PulsanteLaterale(d.voce, barra);
        pulsante->setIcon(IconaVoce(d.voce));
        pulsante->setIconSize(barra->iconSize());
        pulsante->setToolTip(QString::fromUtf8(d.suggerimento));
        barra->addWidget(pulsante);
        laterali_.push_back(pulsante);
    }
}

void FrmPrinc::CreaBarraInferiore()
{
    // The selection and palette controls, then the plane controls in a bar of
    // their own: side by side when the screen is wide enough, in two rows on
    // an 800-pixel screen, so that no button ends up hidden.
    QToolBar* selezione = NuovaBarra(this, "BarraInferiore", Qt::BottomToolBarArea, LatoIconaPiccola);
    QToolBar* piano = NuovaBarra(this, "BarraPiano", Qt::BottomToolBarArea, LatoIconaPiccola);
    campoVertice_ =
        CampoSolaLettura(selezione, "CampoVertice", "Oggetto attivo (figura o vertice)", QStringLiteral("Vertice WW"));
    campoFigura_ = CampoSolaLettura(selezione, "CampoFigura", " Figura selezionata",
                                    QStringLiteral("Figura 128: dodecagono giallo"));
    for (const DefinizioneAzione& d : TabellaAzioni()) {
        if (d.posto != Posto::Inferiore)
            continue;
        QToolBar* barra = d.voce >= Voce::PrimoQuadrante ? piano : selezione;
        if (d.separatorePrima && !barra->actions().isEmpty())
            barra->addSeparator();
        barra->addAction(Azione(d.voce));
        if (d.voce == Voce::VerticeIndietro)
            barra->addWidget(campoVertice_);
        else if (d.voce == Voce::FigAvanti)
            barra->addWidget(campoFigura_);
    }
    const QScreen* schermo = screen();
    const int disponibile = schermo ? schermo->availableGeometry().width() : LarghezzaPredefinita;
    if (selezione->sizeHint().width() + piano->sizeHint().width() + 16 > disponibile)
        insertToolBarBreak(piano);
}

void FrmPrinc::CreaStatusBar()
{
    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("StatusBar"));
    barra->setToolTip(QStringLiteral("I valori sono resettati ad ogni selezione di oggetto (figura o punto)"));
    for (size_t i = 0; i < pannelli_.size(); ++i) {
        pannelli_[i] = Pannello(barra, QStringLiteral("Pannello%1").arg(i + 1), QStringLiteral("Stir. oriz.=0,00000"));
        pannelli_[i]->setText(QString::fromStdString(p.testi.Pannelli[i]));
        barra->addWidget(pannelli_[i]);
    }
    pannelloRegistrazione_ = Pannello(barra, QStringLiteral("Pannello7"), QStringLiteral("Reg"));
    pannelloRegistrazione_->setText(QStringLiteral("Reg"));
    pannelloRegistrazione_->setToolTip(QStringLiteral("E' in corso la registrazione di una macro"));
    barra->addWidget(pannelloRegistrazione_);
    pannelloRegistrazione_->hide();
    avvisoPausa_ = new QLabel(barra);
    avvisoPausa_->setObjectName(QStringLiteral("AvvisoPausa"));
    barra->addWidget(avvisoPausa_);
    avvisoPausa_->hide();
}

} // namespace vellora
