#include "macro/qt/FrmPausa.h"

#include "macro/DialogoPausa.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vellora {

FrmPausa::FrmPausa(Programma& p, QWidget* parent)
    : QDialog(parent), p_(p), check1_(new QCheckBox("&Pausa automatica", this)),
      slider1_(new QSlider(Qt::Horizontal, this))
{
    setObjectName("FrmPausa");
    setWindowTitle("Pausa");
    setModal(true);

    const ImpostazioniPausa attuali = ImpostazioniPausaAttuali(p_);
    check1_->setObjectName("Check1");
    check1_->setToolTip("Pausa automatica dopo ogni trasformazione in una macro");
    check1_->setChecked(attuali.automatica);

    auto* label1 = new QLabel("&Durata della pausa nelle macro", this);
    label1->setObjectName("Label1");
    label1->setBuddy(slider1_);
    auto* label2 = new QLabel("Min", this);
    label2->setObjectName("Label2");
    auto* label3 = new QLabel("Max", this);
    label3->setObjectName("Label3");
    slider1_->setObjectName("Slider1");
    slider1_->setRange(PausaMinima, PausaMassima);
    slider1_->setSingleStep(1);
    slider1_->setPageStep(50);
    slider1_->setTickInterval(100);
    slider1_->setTickPosition(QSlider::TicksBelow);
    slider1_->setMinimumWidth(260);
    slider1_->setValue(attuali.durata);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Ok");
    ok->setDefault(true);
    auto* annulla = new QPushButton("Annulla", this);
    annulla->setObjectName("Annulla");
    annulla->setAutoDefault(false);

    auto* durata = new QGridLayout;
    durata->addWidget(label1, 0, 0, 1, 3);
    durata->addWidget(label2, 1, 0);
    durata->addWidget(slider1_, 1, 1);
    durata->addWidget(label3, 1, 2);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(check1_);
    tutto->addSpacing(8);
    tutto->addLayout(durata);
    tutto->addSpacing(8);
    tutto->addLayout(pulsanti);
    tutto->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, [this] {
        ConfermaImpostazioniPausa(p_, {check1_->isChecked(), slider1_->value()});
        accept();
    });
    connect(annulla, &QPushButton::clicked, this, &FrmPausa::reject);
}

void ApriFrmPausa(Programma& p, QWidget* parent)
{
    FrmPausa dialogo(p, parent);
    dialogo.exec();
}

} // namespace vellora
