#include "figures/qt/FrmCoordinate.h"

#include "state/Selettori.h"
#include "state/qt/Pulsanti.h"

#include <QDockWidget>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace vellora {

namespace {

const char* const Titolo = "Coordinate della figura";
const char* const SuggerimentoCasella =
    "Doppio clic nel campo: inserimento automatico delle coordinate. Vedi guida in linea.";
// Access keys apart from those of the menu bar, which shares the window.
const char* const DidascaliaApplicaCoordinate = "&Applica";
const char* const DidascaliaCancella = "&Cancella";
const char* const DidascaliaPuntoMedio = "Punto Me&dio";

} // namespace

FrmCoordinate::FrmCoordinate(std::unique_ptr<ModuloCoordinate> modulo, QWidget* parent)
    : QDialog(parent), modulo_(std::move(modulo))
{
    setObjectName(QStringLiteral("FrmCoordinate"));
    setWindowTitle(QString::fromUtf8(Titolo));
    setModal(false);

    // The rows scroll when the screen is too low for all twenty; the
    // buttons stay in sight.
    auto* righe = new QWidget;
    auto* griglia = new QGridLayout(righe);
    griglia->setVerticalSpacing(2);
    const int larghezza = fontMetrics().horizontalAdvance(QStringLiteral("-0,33333333")) + 12;
    // Created in the order Tab visits them: x then y, row after row.
    for (int i = 0; i < RigheCoordinate; ++i) {
        auto* etichetta = new QLabel(QString::fromStdString(LetteraPunto(i + 1) + "="), righe);
        etichetta->setObjectName(QStringLiteral("Label1%1").arg(i));
        griglia->addWidget(etichetta, i, 0);
        for (int j = 0; j < 2; ++j) {
            auto* casella = new QLineEdit(righe);
            casella->setObjectName(QStringLiteral("Txt%1%2").arg(j == 0 ? 'X' : 'Y').arg(i));
            casella->setToolTip(QString::fromUtf8(SuggerimentoCasella));
            casella->setFixedWidth(larghezza);
            const std::string& testo =
                j == 0 ? modulo_->TestoX[static_cast<size_t>(i)] : modulo_->TestoY[static_cast<size_t>(i)];
            casella->setText(QString::fromStdString(testo));
            casella->installEventFilter(this);
            griglia->addWidget(casella, i, j + 1);
            caselle_[static_cast<size_t>(2 * i + j)] = casella;
        }
    }
    auto* scorrimento = new QScrollArea(this);
    scorrimento->setWidget(righe);
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento->setFocusPolicy(Qt::NoFocus);

    QPushButton* applica = NuovoPulsante(this, "Applica", DidascaliaApplicaCoordinate);
    applica->setToolTip(QStringLiteral("Costruisce per passi la figura"));
    QPushButton* ok = NuovoPulsante(this, "Ok", DidascaliaOk);
    ok->setDefault(true);
    QPushButton* annulla = NuovoPulsante(this, "Annulla", DidascaliaAnnulla);
    QPushButton* cancella = NuovoPulsante(this, "Cancella", DidascaliaCancella);
    cancella->setToolTip(QStringLiteral("Cancella le coordinate"));
    QPushButton* medio = NuovoPulsante(this, "PuntoMedio", DidascaliaPuntoMedio);
    medio->setToolTip(QString::fromUtf8("Inserimento automatico coordinate punto medio. Vedi guida in linea."));
    connect(applica, &QPushButton::clicked, this, [this] { Conferma(false); });
    connect(ok, &QPushButton::clicked, this, [this] { Conferma(true); });
    connect(annulla, &QPushButton::clicked, this, &FrmCoordinate::reject);
    connect(cancella, &QPushButton::clicked, this, [this] { Esegui([this] { modulo_->Cancella(); }); });
    connect(medio, &QPushButton::clicked, this, [this] { Esegui([this] { modulo_->PuntoMedio(); }); });

    auto* pulsanti = new QGridLayout;
    pulsanti->addWidget(applica, 0, 0);
    pulsanti->addWidget(ok, 0, 1);
    pulsanti->addWidget(annulla, 1, 0);
    pulsanti->addWidget(cancella, 1, 1);
    pulsanti->addWidget(medio, 2, 0, 1, 2);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(scorrimento, 1);
    tutto->addLayout(pulsanti);
    // Never narrower than the rows, so that no field hides behind the scroll bar.
    scorrimento->setMinimumWidth(righe->sizeHint().width() + scorrimento->verticalScrollBar()->sizeHint().width());
}

bool FrmCoordinate::eventFilter(QObject* oggetto, QEvent* e)
{
    const auto* trovata = std::find(caselle_.begin(), caselle_.end(), oggetto);
    if (trovata != caselle_.end()) {
        const int riga = static_cast<int>(trovata - caselle_.begin()) / 2;
        if (e->type() == QEvent::FocusIn)
            modulo_->RigaAttiva = riga;
        // The double click writes numbers instead of selecting a word.
        if (e->type() == QEvent::MouseButtonDblClick) {
            Esegui([this, riga] { modulo_->DoppioClic(riga); });
            return true;
        }
        return QDialog::eventFilter(oggetto, e);
    }
    // The panel's close box is Annulla.
    if (oggetto == parentWidget() && e->type() == QEvent::Close && isVisible())
        reject();
    return QDialog::eventFilter(oggetto, e);
}

template <typename Comando> void FrmCoordinate::Esegui(Comando comando)
{
    for (int i = 0; i < RigheCoordinate; ++i) {
        modulo_->TestoX[static_cast<size_t>(i)] = Casella(i, false)->text().toStdString();
        modulo_->TestoY[static_cast<size_t>(i)] = Casella(i, true)->text().toStdString();
    }
    comando();
    for (int i = 0; i < RigheCoordinate; ++i)
        for (bool y : {false, true}) {
            const auto& testi = y ? modulo_->TestoY : modulo_->TestoX;
            const QString testo = QString::fromStdString(testi[static_cast<size_t>(i)]);
            if (Casella(i, y)->text() != testo)
                Casella(i, y)->setText(testo);
        }
}

void FrmCoordinate::Conferma(bool chiudi)
{
    bool chiusa = false;
    Esegui([&] {
        if (chiudi)
            chiusa = modulo_->Ok();
        else
            modulo_->Applica();
    });
    if (chiusa) {
        accept();
        return;
    }
    // The refused field, selected, ready to be typed again.
    if (modulo_->Errata >= 0) {
        QLineEdit* casella = caselle_[static_cast<size_t>(modulo_->Errata)];
        casella->setFocus();
        casella->selectAll();
    }
}

void FrmCoordinate::done(int risultato)
{
    modulo_->Chiudi();
    QDialog::done(risultato);
    auto* pannello = qobject_cast<QDockWidget*>(parentWidget());
    if (!pannello)
        return;
    pannello->removeEventFilter(this);
    if (auto* principale = qobject_cast<QMainWindow*>(pannello->parentWidget()))
        principale->removeDockWidget(pannello);
    pannello->deleteLater();
}

void ApriFrmCoordinate(Programma& p, QMainWindow* principale)
{
    std::unique_ptr<ModuloCoordinate> modulo = ModuloCoordinate::Apri(p);
    if (!modulo)
        return;
    auto* pannello = new QDockWidget(QString::fromUtf8(Titolo), principale);
    pannello->setObjectName(QStringLiteral("PannelloCoordinate"));
    pannello->setFeatures(QDockWidget::DockWidgetClosable);
    pannello->setAllowedAreas(Qt::RightDockWidgetArea);
    auto* finestra = new FrmCoordinate(std::move(modulo));
    pannello->setWidget(finestra);
    pannello->installEventFilter(finestra);
    principale->addDockWidget(Qt::RightDockWidgetArea, pannello);
    pannello->show();
    finestra->show();
    finestra->activateWindow();
    finestra->findChild<QLineEdit*>(QStringLiteral("TxtX0"))->setFocus();
}

} // namespace vellora
