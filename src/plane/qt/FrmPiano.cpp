#include "plane/qt/FrmPiano.h"

#include "plane/Mouse.h"
#include "plane/Schermo.h"
#include "state/Programma.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

namespace vellora {

namespace {

constexpr int LarghezzaDati = 220;

// The plane's own pointer: a small white cross-hair with a dark outline, so
// that it shows on the blue plane and on white figures alike. Never freed: a
// pixmap must not outlive the application object, a static would.
const QCursor& PuntatorePiano()
{
    static const QCursor* puntatore = [] {
        constexpr int lato = 15;
        constexpr int centro = lato / 2;
        QPixmap immagine(lato, lato);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        for (const auto& [colore, spessore] : {std::pair{Qt::black, 3}, std::pair{Qt::white, 1}}) {
            pittore.setPen(QPen(colore, spessore));
            pittore.drawLine(centro, 1, centro, lato - 2);
            pittore.drawLine(1, centro, lato - 2, centro);
        }
        pittore.end();
        return new QCursor(immagine, centro, centro);
    }();
    return *puntatore;
}

// The modifier bits the core reads: Shift 1, Ctrl 2, Alt 4.
int Tasti(Qt::KeyboardModifiers modificatori)
{
    return (modificatori & Qt::ShiftModifier ? TastoShift : 0) | (modificatori & Qt::ControlModifier ? TastoCtrl : 0) |
           (modificatori & (Qt::AltModifier | Qt::MetaModifier) ? TastoAlt : 0);
}

int Pulsante(Qt::MouseButton pulsante)
{
    switch (pulsante) {
    case Qt::LeftButton:
        return PulsanteSinistro;
    case Qt::RightButton:
        return PulsanteDestro;
    default:
        return 0;
    }
}

} // namespace

FrmPiano::FrmPiano(Programma& p, QWidget* parent) : QWidget(parent), p_(p)
{
    // Every pixel comes from the canvas: no background fill before a blit.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Hovering names the object under the pointer with no button held.
    setMouseTracking(true);
    // The right button moves figures: no context menu may take its events.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setCursor(PuntatorePiano());
    Aggiorna();
}

// The data panel and the hover label are made when first needed: the first
// window shows neither, and a text box is costly to build at start-up.
QPlainTextEdit* FrmPiano::TxtDati()
{
    if (!txtDati_) {
        txtDati_ = new QPlainTextEdit(this);
        txtDati_->setObjectName("TxtDati");
        txtDati_->setReadOnly(true);
        txtDati_->hide();
        txtDati_->viewport()->installEventFilter(this);
        DisponiDati();
    }
    return txtDati_;
}

QLabel* FrmPiano::LblServizio()
{
    if (!lblServizio_) {
        lblServizio_ = new QLabel(this);
        lblServizio_->setObjectName("lblServizio");
        // Light yellow with a black border, as tooltips were drawn; colours
        // set directly, a style sheet would load a whole style engine.
        QPalette colori = lblServizio_->palette();
        colori.setColor(QPalette::Window, QColor(0xff, 0xff, 0xe1));
        colori.setColor(QPalette::WindowText, Qt::black);
        lblServizio_->setPalette(colori);
        lblServizio_->setAutoFillBackground(true);
        lblServizio_->setFrameShape(QFrame::Box);
        lblServizio_->setLineWidth(1);
        lblServizio_->setAttribute(Qt::WA_TransparentForMouseEvents);
        lblServizio_->hide();
    }
    return lblServizio_;
}

// Until the window is first painted (or its picture is asked for) the
// redraws go nowhere: the start-up lays the window out more than once, and
// the canvas is allocated and drawn once, at its final size.
SuperficieImmagine& FrmPiano::Schermo()
{
    if (!tela_) {
        tela_ = true;
        p_.ImpostaSchermo(&superficie_, width(), height());
    }
    // A canvas resized while hidden is drawn when it is next needed.
    if (superficie_.Vuota())
        Ridisegna(p_);
    return superficie_;
}

void FrmPiano::Aggiorna()
{
    const QString titolo = QString::fromStdString(p_.testi.DidascaliaPiano);
    if (windowTitle() != titolo)
        setWindowTitle(titolo);
    if (txtDati_ || p_.testi.DatiVisibili)
        AggiornaDati();
    update();
}

void FrmPiano::AggiornaDati()
{
    QPlainTextEdit* riquadro = TxtDati();
    // The core ends its lines with CR LF; a lone CR would show in the box.
    QString dati = QString::fromStdString(p_.testi.TestoDati);
    dati.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (riquadro->toPlainText() != dati) {
        riquadro->setPlainText(dati);
        // The panel keeps showing the part where the user last clicked.
        if (p_.testi.CursoreDati >= 0) {
            QTextCursor cursore = riquadro->textCursor();
            cursore.setPosition(std::min(p_.testi.CursoreDati, static_cast<int>(dati.size())));
            riquadro->setTextCursor(cursore);
            riquadro->ensureCursorVisible();
        }
    }
    riquadro->setVisible(p_.testi.DatiVisibili);
}

void FrmPiano::DisponiDati()
{
    if (!txtDati_)
        return;
    const int larghezza = std::min(LarghezzaDati, width());
    txtDati_->setGeometry(width() - larghezza, 0, larghezza, height());
}

void FrmPiano::MostraServizio(const Servizio& s)
{
    switch (s.puntatore) {
    case Servizio::Puntatore::Proprio:
        setCursor(PuntatorePiano());
        break;
    case Servizio::Puntatore::Freccia:
        setCursor(Qt::ArrowCursor);
        break;
    case Servizio::Puntatore::Invariato:
        break;
    }
    switch (s.etichetta) {
    case Servizio::Etichetta::Nascosta:
        if (lblServizio_)
            lblServizio_->hide();
        break;
    case Servizio::Etichetta::Visibile: {
        QLabel* etichetta = LblServizio();
        const QString testo = QString::fromStdString(s.testo);
        if (etichetta->text() != testo) {
            etichetta->setText(testo);
            etichetta->adjustSize();
        }
        etichetta->move(s.x, s.y);
        etichetta->show();
        etichetta->raise();
        break;
    }
    case Servizio::Etichetta::Invariata:
        break;
    }
}

void FrmPiano::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF q = e->position();
    MostraServizio(MouseMosso(p_, Tasti(e->modifiers()), q.x(), q.y()));
}

// A playing macro turns the event loop in its pauses: a click must not
// change the selection or move a figure under it.
void FrmPiano::mousePressEvent(QMouseEvent* e)
{
    if (p_.sessione.EsecuzioneMacro)
        return;
    const QPointF q = e->position();
    if (const int pulsante = Pulsante(e->button()))
        MousePremuto(p_, pulsante, Tasti(e->modifiers()), q.x(), q.y());
    update();
}

void FrmPiano::mouseReleaseEvent(QMouseEvent* e)
{
    // A move prepared before the macro started is dropped, not applied.
    if (p_.sessione.EsecuzioneMacro) {
        p_.mouse.SpostamentoPronto = false;
        return;
    }
    if (const int pulsante = Pulsante(e->button()))
        MouseRilasciato(p_, pulsante, Tasti(e->modifiers()));
    update();
}

// The second press of a double click is not a new click: selecting twice
// would record the selection twice in a macro.
void FrmPiano::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->accept();
}

void FrmPiano::leaveEvent(QEvent* e)
{
    if (lblServizio_)
        lblServizio_->hide();
    QWidget::leaveEvent(e);
}

bool FrmPiano::eventFilter(QObject* oggetto, QEvent* e)
{
    // The caret has moved by the time the button comes up.
    if (txtDati_ && oggetto == txtDati_->viewport() && e->type() == QEvent::MouseButtonRelease)
        ClicDati(p_, txtDati_->textCursor().position(), static_cast<int>(txtDati_->toPlainText().size()));
    return QWidget::eventFilter(oggetto, e);
}

void FrmPiano::paintEvent(QPaintEvent* e)
{
    QPainter pittore(this);
    pittore.drawImage(e->rect(), Schermo().Immagine(), e->rect());
}

void FrmPiano::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    DisponiDati();
    superficie_.Ridimensiona(size());
    p_.ImpostaSchermo(tela_ ? static_cast<Superficie*>(&superficie_) : &senzaTela_, width(), height());
    Ridisegna(p_); // the map follows every size, painted or not
    update();
}

void FrmPiano::closeEvent(QCloseEvent* e)
{
    // Closing the plane alone starts a new drawing and keeps the window.
    if (chiusura_ && chiusura_()) {
        e->accept();
        return;
    }
    e->ignore();
    Aggiorna();
}

} // namespace vellora
