#include "plane/qt/FrmPiano.h"

#include "shell/Avvio.h"
#include "shell/Programma.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <algorithm>

namespace vellora {

namespace {
constexpr int LarghezzaDati = 220;
}

FrmPiano::FrmPiano(Programma& p, QWidget* parent)
    : QWidget(parent), p_(p), txtDati_(new QPlainTextEdit(this)), lblServizio_(new QLabel(this))
{
    // Every pixel comes from the canvas: no background fill before a blit.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Hovering names the object under the pointer with no button held.
    setMouseTracking(true);

    txtDati_->setObjectName("TxtDati");
    txtDati_->setReadOnly(true);
    txtDati_->hide();

    lblServizio_->setObjectName("lblServizio");
    lblServizio_->setStyleSheet("QLabel { background-color: #ffffe1; color: black; border: 1px solid black; "
                                "padding: 0px 2px; }");
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
    if (txtDati_->toPlainText() != dati)
        txtDati_->setPlainText(dati);
    txtDati_->setVisible(p_.testi.DatiVisibili);
    update();
}

void FrmPiano::DisponiDati()
{
    const int larghezza = std::min(LarghezzaDati, width());
    txtDati_->setGeometry(width() - larghezza, 0, larghezza, height());
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
    p_.Ridisegna();
    update();
}

void FrmPiano::closeEvent(QCloseEvent* e)
{
    // Closing the plane alone starts a new drawing and keeps the window.
    if (ChiusuraPiano(p_)) {
        e->accept();
        return;
    }
    e->ignore();
    Aggiorna();
}

} // namespace vellora
