#include "shell/qt/FrmPrinc.h"

#include "macro/qt/PompaQt.h"
#include "plane/qt/FrmPiano.h"
#include "shell/Avvio.h"
#include "shell/qt/Azioni.h"
#include "shell/qt/FinestraGuida.h"
#include "shell/qt/FrmCommento.h"
#include "shell/qt/FrmSplash.h"
#include "shell/qt/Icone.h"
#include "shell/qt/PulsanteLaterale.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace vellora {

namespace {
QString Testo(const std::string& s)
{
    return QString::fromStdString(s);
}

QString Testo(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void ImpostaTesto(QLineEdit* campo, const QString& testo)
{
    if (campo->text() == testo)
        return;
    campo->setText(testo);
    campo->setCursorPosition(0); // a long description shows its beginning
}
} // namespace

FrmPrinc::FrmPrinc(Dialoghi& dialoghi, QWidget* parent) : QMainWindow(parent), p(dialoghi, *this)
{
    setObjectName(QStringLiteral("FrmPrinc"));
    setWindowTitle(Testo(TitoloProgramma));
    setWindowIcon(IconaProgramma());
    // The toolbars stay where they are: no menu to hide them.
    setContextMenuPolicy(Qt::NoContextMenu);

    area_ = new QMdiArea(this);
    setCentralWidget(area_);
    piano_ = new FrmPiano(p);
    piano_->SuChiusura([this] { return ChiusuraPiano(p); });
    finestraPiano_ = area_->addSubWindow(piano_);
    // Closing the plane window starts a new drawing; the window itself stays.
    finestraPiano_->setAttribute(Qt::WA_DeleteOnClose, false);
    finestraPiano_->setWindowIcon(windowIcon());
    finestraPiano_->showMaximized();
    // Shown maximised before it ever had a size of its own, the plane would
    // come back from maximised as a bare title bar: a restore that leaves it
    // that small gives it two thirds of the area, centred, instead.
    connect(
        finestraPiano_, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates prima, Qt::WindowStates ora) {
            if (!(prima & Qt::WindowMaximized) || (ora & (Qt::WindowMaximized | Qt::WindowMinimized)))
                return;
            const QSize area = area_->viewport()->size();
            if (finestraPiano_->height() >= area.height() / 3 && finestraPiano_->width() >= area.width() / 3)
                return;
            const QSize normale = area * 2 / 3;
            finestraPiano_->setGeometry(
                QRect(QPoint((area.width() - normale.width()) / 2, (area.height() - normale.height()) / 2), normale));
        });
    commento_ = new FinestraCommentoQt(p, area_, finestraPiano_, this);
    p.commento = commento_;

    CreaAzioni();
    CreaMenu();
    CreaBarraLaterale();
    CreaBarraInferiore();
    CreaStatusBar();
    CollegaMenuFile();
    CollegaMenuInserisci();
    CollegaMenuMostra();
    CollegaMenuInfo();
    CollegaMenuModifica();
    CollegaMenuImposta();
    CollegaBarraLaterale();
    CollegaMenuMacro();
}

FrmPrinc::~FrmPrinc() = default;

void FrmPrinc::Collega(Voce v, std::function<void(Programma&)> comando)
{
    connect(Azione(v), &QAction::triggered, this, [this, v, comando = std::move(comando)] {
        EseguiPasso(p, NomePasso(v), [&] { comando(p); });
        Aggiorna();
    });
}

void FrmPrinc::CreaAzioni()
{
    for (const DefinizioneAzione& d : TabellaAzioni()) {
        if (d.posto != Posto::Comando && d.posto != Posto::Inferiore)
            continue;
        auto* azione = new QAction(QString::fromUtf8(d.didascalia), this);
        azione->setObjectName(Testo(NomeVoce(d.voce)));
        if (*d.scorciatoia)
            azione->setShortcut(QKeySequence(QString::fromLatin1(d.scorciatoia), QKeySequence::PortableText));
        if (*d.suggerimento)
            azione->setToolTip(QString::fromUtf8(d.suggerimento));
        if (d.posto == Posto::Inferiore)
            azione->setIcon(IconaVoce(d.voce));
        azione->setCheckable(VoceConSpunta(d.voce));
        azioni_[static_cast<size_t>(d.voce)] = azione;
    }
    // Ripeti answers both usual keys.
    Azione(Voce::MnuModificaRipeti)
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
}

void FrmPrinc::CreaMenu()
{
    for (const DefinizioneAzione& d : TabellaAzioni()) {
        if (d.posto != Posto::Menu && d.posto != Posto::Comando)
            continue;
        QMenu* contenitore = d.menu == Voce::Conteggio ? nullptr : menu_[static_cast<size_t>(d.menu)];
        if (contenitore && d.separatorePrima)
            contenitore->addSeparator();
        if (d.posto == Posto::Comando) {
            contenitore->addAction(Azione(d.voce));
            continue;
        }
        QWidget* genitore = contenitore ? static_cast<QWidget*>(contenitore) : menuBar();
        auto* menu = new QMenu(QString::fromUtf8(d.didascalia), genitore);
        menu->setObjectName(Testo(NomeVoce(d.voce)));
        if (contenitore)
            contenitore->addMenu(menu);
        else
            menuBar()->addMenu(menu);
        menu_[static_cast<size_t>(d.voce)] = menu;
        azioni_[static_cast<size_t>(d.voce)] = menu->menuAction();
    }
}

void FrmPrinc::Aggiorna()
{
    for (size_t i = 0; i < NumeroVoci; ++i) {
        QAction* azione = azioni_[i];
        if (!azione)
            continue;
        const Voce v = static_cast<Voce>(i);
        azione->setEnabled(p.voci.Abilitata(v));
        if (azione->isCheckable())
            azione->setChecked(p.voci.Spuntata(v));
    }
    for (PulsanteLaterale* pulsante : laterali_) {
        const Voce v = pulsante->VocePulsante();
        pulsante->setEnabled(p.voci.Abilitata(v));
        if (v == Voce::Macro)
            pulsante->setToolTip(Testo(p.testi.SuggerimentoMacro));
    }
    ImpostaTesto(campoFigura_, Testo(p.testi.CampoFigura));
    ImpostaTesto(campoVertice_, Testo(p.testi.CampoVertice));
    for (size_t i = 0; i < pannelli_.size(); ++i)
        pannelli_[i]->setText(Testo(p.testi.Pannelli[i]));
    pannelloRegistrazione_->setVisible(p.testi.Pannello7Visibile);
    avvisoPausa_->setText(Testo(p.testi.AvvisoPausa));
    avvisoPausa_->setVisible(!p.testi.AvvisoPausa.empty());
    Azione(Voce::MnuModificaAnnulla)->setText(Testo(p.testi.DidascaliaAnnulla));
    Azione(Voce::MnuModificaRipeti)->setText(Testo(p.testi.DidascaliaRipeti));
    piano_->Aggiorna();
}

void FrmPrinc::MostraTitolo()
{
    if (!titolo_)
        titolo_ = new FrmSplash(this);
    titolo_->show();
    titolo_->raise();
    titolo_->activateWindow();
}

void FrmPrinc::closeEvent(QCloseEvent* e)
{
    if (!RichiestaChiusura(p)) {
        e->ignore();
        Aggiorna();
        return;
    }
    Termina(p);
    if (titolo_)
        titolo_->close();
    // The help, opened from the menu or from F1 in a window that is not modal.
    if (auto* guida = findChild<FinestraGuida*>(QString(), Qt::FindDirectChildrenOnly))
        guida->close();
    e->accept();
}

} // namespace vellora
