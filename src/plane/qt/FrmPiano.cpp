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

FrmPiano::FrmPiano(Programma& p, QWidget* parent)
    : QWidget(parent), p_(p), txtDati_(new QPlainTextEdit(this)), lblServizio_(new QLabel(this))
{
    // Every pixel comes from the canvas: no background fill before a blit.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Hovering names the object under the pointer with no button held.
    setMouseTracking(true);
    // The right button moves figures: no context menu may take its events.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setCursor(PuntatorePiano());

    txtDati_->setObjectName("TxtDati");
    txtDati_->setReadOnly(true);
    txtDati_->hide();
    txtDati_->viewport()->installEventFilter(this);

    lblServizio_->setObjectName("lblServizio");
    lblServizio_->setStyleSheet("QLabel { background-color: #ffffe1; color: black; border: 1px solid black; "
                                "padding: 0px 2px; }");
    lblServizio_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblServizio_->hide();

    Aggiorna();
}

void FrmPiano::Aggiorna()
{
    const QString titolo = QString::fromStdString(p_.testi.DidascaliaPiano);
    if (windowTitle() != titolo)
        setWindowTitle(titolo);
    // The core ends its lines with CR LF; a lone CR would show in the box.
    QString dati = QString::fromStdString(p_.testi.TestoDati);
    dati.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (txtDati_->toPlainText() != dati) {
        txtDati_->setPlainText(dati);
        // The panel keeps showing the part where the user last clicked.
        if (p_.testi.CursoreDati >= 0) {
            QTextCursor cursore = txtDati_->textCursor();
            cursore.setPosition(std::min(p_.testi.CursoreDati, static_cast<int>(dati.size())));
            txtDati_->setTextCursor(cursore);
            txtDati_->ensureCursorVisible();
        }
    }
    txtDati_->setVisible(p_.testi.DatiVisibili);
    update();
}

void FrmPiano::DisponiDati()
{
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
        lblServizio_->hide();
        break;
    case Servizio::Etichetta::Visibile: {
        const QString testo = QString::fromStdString(s.testo);
        if (lblServizio_->text() != testo) {
            lblServizio_->setText(testo);
            lblServizio_->adjustSize();
        }
        lblServizio_->move(s.x, s.y);
        lblServizio_->show();
        lblServizio_->raise();
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
    lblServizio_->hide();
    QWidget::leaveEvent(e);
}

bool FrmPiano::eventFilter(QObject* oggetto, QEvent* e)
{
    // The caret has moved by the time the button comes up.
    if (oggetto == txtDati_->viewport() && e->type() == QEvent::MouseButtonRelease)
        ClicDati(p_, txtDati_->textCursor().position(), static_cast<int>(txtDati_->toPlainText().size()));
    return QWidget::eventFilter(oggetto, e);
}

void FrmPiano::paintEvent(QPaintEvent* e)
{
    QPainter pittore(this);
    pittore.drawImage(e->rect(), superficie_.Immagine(), e->rect());
}

void FrmPiano::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    DisponiDati();
    superficie_.Ridimensiona(size());
    p_.ImpostaSchermo(&superficie_, width(), height());
    Ridisegna(p_);
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
