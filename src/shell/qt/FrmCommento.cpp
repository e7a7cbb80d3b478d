#include "shell/qt/FrmCommento.h"

#include "files/Commento.h"
#include "files/StileCommento.h"
#include "files/qt/DocumentoRicco.h"
#include "print/qt/StampaTesto.h"
#include "shell/qt/Icone.h"
#include "state/Programma.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

namespace vellora {

namespace {

const char* const Titolo = "Commento";
const QChar Radice(0x221A);

// The toggles read "G", "I", "S" on the colour of the strip when off and on
// light grey (224, 224, 224), pressed in, when on.
const char* const StileInterruttore = "QToolButton { background: palette(button); border: 1px solid palette(mid);"
                                      " min-width: 22px; min-height: 22px; }"
                                      "QToolButton:checked { background: rgb(224, 224, 224);"
                                      " border: 2px inset palette(dark); }"
                                      "QToolButton:focus { border-color: palette(highlight); }";

QString StileCampione(ColoreRgb c)
{
    return QStringLiteral("QToolButton { background: rgb(%1, %2, %3); border: 2px solid palette(button);"
                          " min-width: 18px; min-height: 18px; }"
                          "QToolButton:checked { border: 3px solid palette(highlight); }"
                          "QToolButton:focus { border-style: dashed; border-color: palette(highlight); }")
        .arg(c.r)
        .arg(c.g)
        .arg(c.b);
}

QToolButton* Interruttore(QWidget* padre, const char* nome, const char* didascalia, const char* suggerimento)
{
    auto* b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setText(QString::fromUtf8(didascalia));
    b->setToolTip(QString::fromUtf8(suggerimento));
    b->setCheckable(true);
    b->setStyleSheet(QString::fromLatin1(StileInterruttore));
    // A click leaves the caret in the text; Tab still reaches the button.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

// The name offered for the printed comment, beside the drawing.
std::string NomePdf(const std::string& nomeDisegno)
{
    return std::filesystem::path(NomeCommento(nomeDisegno)).replace_extension().string() + " (commento).pdf";
}

} // namespace

FrmCommento::FrmCommento(Programma& p, QWidget* parent) : QWidget(parent), p_(p)
{
    setObjectName(QStringLiteral("FrmCommento"));
    setWindowTitle(QString::fromUtf8(Titolo));

    auto* picture1 = new QWidget(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    grassetto_ = Interruttore(picture1, "LblGrassetto", "G", "Grassetto");
    corsivo_ = Interruttore(picture1, "LblCorsivo", "I", "Corsivo");
    sottolineato_ = Interruttore(picture1, "LblSottolineato", "S", "Sottolineato");
    QFont f = grassetto_->font();
    f.setBold(true);
    grassetto_->setFont(f);
    f = corsivo_->font();
    f.setItalic(true);
    corsivo_->setFont(f);
    f = sottolineato_->font();
    f.setUnderline(true);
    sottolineato_->setFont(f);

    auto* striscia = new QHBoxLayout(picture1);
    striscia->setContentsMargins(0, 0, 0, 0);
    for (QToolButton* b : {grassetto_, corsivo_, sottolineato_})
        striscia->addWidget(b);
    striscia->addSpacing(12);
    const char* const nomiColori[] = {"Nero", "Rosso", "Verde", "Blu"};
    for (size_t i = 0; i < tavolozza_.size(); ++i) {
        auto* campione = new QToolButton(picture1);
        campione->setObjectName(QStringLiteral("tavolozza%1").arg(i));
        campione->setToolTip(QString::fromUtf8(nomiColori[i]));
        campione->setAccessibleName(campione->toolTip());
        campione->setCheckable(true);
        campione->setFocusPolicy(Qt::TabFocus);
        campione->setStyleSheet(StileCampione(ColoriCommento[i]));
        connect(campione, &QToolButton::clicked, this, [this, i] {
            const ColoreRgb c = ColoriCommento[i];
            QTextCharFormat formato;
            formato.setForeground(QColor(c.r, c.g, c.b));
            Applica(formato);
        });
        striscia->addWidget(campione);
        tavolozza_[i] = campione;
    }
    striscia->addSpacing(12);
    txtDim_ = new QLineEdit(picture1);
    txtDim_->setObjectName(QStringLiteral("TxtDim"));
    txtDim_->setToolTip(QStringLiteral("Dimensione carattere"));
    txtDim_->setReadOnly(true);
    txtDim_->setFocusPolicy(Qt::NoFocus);
    txtDim_->setAlignment(Qt::AlignCenter);
    txtDim_->setFixedWidth(txtDim_->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 12);
    auto* piu = new QToolButton(picture1);
    piu->setObjectName(QString::fromUtf8("CmdPiù"));
    piu->setText(QStringLiteral("+"));
    piu->setToolTip(QString::fromUtf8("Carattere più grande"));
    auto* meno = new QToolButton(picture1);
    meno->setObjectName(QStringLiteral("CmdMeno"));
    meno->setText(QString(QChar(0x2212)));
    meno->setToolTip(QString::fromUtf8("Carattere più piccolo"));
    for (QToolButton* b : {piu, meno})
        b->setFocusPolicy(Qt::TabFocus);
    striscia->addWidget(txtDim_);
    striscia->addWidget(piu);
    striscia->addWidget(meno);
    striscia->addStretch();
    auto* stampa = new QPushButton(QStringLiteral("S&tampa"), picture1);
    stampa->setObjectName(QStringLiteral("CmdStampa"));
    stampa->setToolTip(QStringLiteral("Stampa il commento"));
    stampa->setFocusPolicy(Qt::TabFocus);
    striscia->addWidget(stampa);

    testo_ = new QTextEdit(this);
    testo_->setObjectName(QStringLiteral("RichTextBox1"));
    testo_->setTabChangesFocus(true);
    // The comment is written on white paper in black unless coloured,
    // whatever the desktop's colours, in the desktop's own font.
    QPalette carta = testo_->palette();
    carta.setColor(QPalette::Base, Qt::white);
    carta.setColor(QPalette::Text, Qt::black);
    testo_->setPalette(carta);
    testo_->document()->setDefaultFont(QApplication::font());
    testo_->installEventFilter(this);

    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(4, 4, 4, 4);
    tutto->addWidget(picture1);
    tutto->addWidget(testo_, 1);
    setFocusProxy(testo_);

    connect(grassetto_, &QToolButton::clicked, this, [this](bool si) {
        QTextCharFormat formato;
        formato.setFontWeight(si ? QFont::Bold : QFont::Normal);
        Applica(formato);
    });
    connect(corsivo_, &QToolButton::clicked, this, [this](bool si) {
        QTextCharFormat formato;
        formato.setFontItalic(si);
        Applica(formato);
    });
    connect(sottolineato_, &QToolButton::clicked, this, [this](bool si) {
        QTextCharFormat formato;
        formato.setFontUnderline(si);
        Applica(formato);
    });
    connect(piu, &QToolButton::clicked, this, [this] { Dimensione(true); });
    connect(meno, &QToolButton::clicked, this, [this] { Dimensione(false); });
    connect(stampa, &QPushButton::clicked, this,
            [this] { StampaTesto(p_, *testo_->document(), NomePdf(p_.sessione.NomeDisegno)); });
    connect(testo_, &QTextEdit::currentCharFormatChanged, this, &FrmCommento::MostraSelezione);
    connect(testo_, &QTextEdit::selectionChanged, this, &FrmCommento::MostraSelezione);
    MostraSelezione();
}

FrmCommento::~FrmCommento()
{
    // The text box goes after this object: nothing it says may reach the core.
    testo_->disconnect(this);
    testo_->document()->disconnect(this);
}

void FrmCommento::Carica(const TestoRicco& testo)
{
    testo_->document()->disconnect(this);
    DocumentoDaTesto(*testo_->document(), testo);
    testo_->moveCursor(QTextCursor::Start);
    testo_->document()->setModified(false);
    connect(testo_->document(), &QTextDocument::contentsChanged, this, [this] { SegnaCommentoModificato(p_); });
    MostraSelezione();
}

void FrmCommento::closeEvent(QCloseEvent* e)
{
    // The core decides, and closes the window itself when it agrees.
    e->ignore();
    if (chiusura_)
        chiusura_();
}

bool FrmCommento::eventFilter(QObject* oggetto, QEvent* e)
{
    if (oggetto == testo_ && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)) {
        // F2 is the radical sign here, not the main window's replica.
        const auto* tasto = static_cast<QKeyEvent*>(e);
        if (tasto->key() == Qt::Key_F2 && tasto->modifiers() == Qt::NoModifier) {
            e->accept();
            if (e->type() == QEvent::KeyPress)
                testo_->insertPlainText(QString(Radice));
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, e);
}

void FrmCommento::Applica(const QTextCharFormat& formato, bool alTesto)
{
    testo_->mergeCurrentCharFormat(formato);
    // Typing goes on in the style just chosen; the size buttons keep the
    // focus, so that a size is reached by pressing one of them again.
    if (alTesto)
        testo_->setFocus();
    MostraSelezione();
}

std::vector<StileTesto> FrmCommento::StiliSelezione() const
{
    std::vector<StileTesto> stili;
    const QTextCursor c = testo_->textCursor();
    if (c.hasSelection())
        for (const Sequenza& s : TestoDaDocumento(*testo_->document(), c.selectionStart(), c.selectionEnd()))
            stili.push_back(s.stile);
    // The caret alone: what typing would write.
    if (stili.empty())
        stili.push_back(StileDaFormato(testo_->currentCharFormat(), testo_->document()->defaultFont()));
    return stili;
}

void FrmCommento::Dimensione(bool piu)
{
    QTextCharFormat formato;
    formato.setFontPointSize(PassoDimensione(Riassumi(StiliSelezione()).dimensione, piu));
    Applica(formato, false);
}

void FrmCommento::MostraSelezione()
{
    const StatoSelezione stato = Riassumi(StiliSelezione());
    txtDim_->setText(stato.dimensione ? QString::number(*stato.dimensione) : QString());
    grassetto_->setChecked(stato.grassetto);
    corsivo_->setChecked(stato.corsivo);
    sottolineato_->setChecked(stato.sottolineato);
    const int scelto = IndiceColore(stato.colore);
    for (size_t i = 0; i < tavolozza_.size(); ++i)
        tavolozza_[i]->setChecked(static_cast<int>(i) == scelto);
}

FinestraCommentoQt::FinestraCommentoQt(Programma& p, QMdiArea* area, QMdiSubWindow* piano, QObject* parent)
    : QObject(parent), p_(p), area_(area), piano_(piano)
{
    area_->viewport()->installEventFilter(this);
}

void FinestraCommentoQt::Apri(const TestoRicco& testo)
{
    if (!finestra_) {
        finestra_ = new FrmCommento(p_);
        finestra_->SuChiusura([this] { ChiusuraCommento(p_); });
        sotto_ = area_->addSubWindow(finestra_);
        sotto_->setWindowIcon(IconaProgramma());
    }
    finestra_->Carica(testo);
    Affianca();
    sotto_->show();
    area_->setActiveSubWindow(sotto_);
    finestra_->setFocus();
}

TestoRicco FinestraCommentoQt::Testo() const
{
    return finestra_ ? TestoDaDocumento(*finestra_->RichTextBox1()->document()) : TestoRicco{};
}

void FinestraCommentoQt::Chiudi()
{
    // Hidden rather than closed: the close box that may have asked is still
    // running, and a close would ask the core again.
    if (sotto_) {
        sotto_->hide();
        sotto_->deleteLater();
    }
    sotto_ = nullptr;
    finestra_ = nullptr;
    piano_->showMaximized();
    area_->setActiveSubWindow(piano_);
}

bool FinestraCommentoQt::eventFilter(QObject* oggetto, QEvent* e)
{
    if (e->type() == QEvent::Resize && sotto_ && oggetto == area_->viewport() && !piano_->isMaximized())
        Affianca();
    return QObject::eventFilter(oggetto, e);
}

void FinestraCommentoQt::Affianca()
{
    const QRect r = area_->viewport()->rect();
    // The comment takes two fifths of the width, never so little that its
    // strip of controls does not fit, and never more than half.
    const int commento = std::min(std::max(r.width() * 2 / 5, sotto_->minimumSizeHint().width()), r.width() / 2);
    if (piano_->isMaximized() || piano_->isMinimized())
        piano_->showNormal();
    piano_->setGeometry(0, 0, r.width() - commento, r.height());
    sotto_->setGeometry(r.width() - commento, 0, commento, r.height());
}

} // namespace vellora
