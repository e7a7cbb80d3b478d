#include "print/qt/FrmStampaDisegno.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vellora {

namespace {

template <typename W> W* Controllo(QWidget* padre, const char* nome, const QString& testo)
{
    auto* w = new W(testo, padre);
    w->setObjectName(nome);
    return w;
}

} // namespace

FrmStampaDisegno::FrmStampaDisegno(const Programma& p, Stampante& stampante, QWidget* parent)
    : QDialog(parent), dialogo_(p, stampante)
{
    setObjectName("FrmStampaDisegno");
    setWindowTitle("Stampa disegno");
    setModal(true);

    auto* label1 = Controllo<QLabel>(this, "Label1", "&Numero copie:");
    txtNumCopie_ = Controllo<QLineEdit>(this, "TxtNumCopie", QString::fromStdString(dialogo_.TestoCopie));
    label1->setBuddy(txtNumCopie_);
    auto* copie = new QHBoxLayout;
    copie->addWidget(label1);
    copie->addWidget(txtNumCopie_);

    auto* frame2 = Controllo<QGroupBox>(this, "Frame2", "&Fattore di scala");
    combo1_ = new QComboBox(frame2);
    combo1_->setObjectName("Combo1");
    for (const std::string& voce : VociFattoreScala)
        combo1_->addItem(QString::fromStdString(voce));
    combo1_->setCurrentIndex(dialogo_.VoceFattore);
    (new QVBoxLayout(frame2))->addWidget(combo1_);

    auto* frame1 = Controllo<QGroupBox>(this, "Frame1", "Orientamento pagina");
    auto* vert = Controllo<QRadioButton>(frame1, "OptStampaVert", "&Verticale");
    auto* oriz = Controllo<QRadioButton>(frame1, "OptStampaOriz", "&Orizzontale");
    oriz->setChecked(true);
    auto* orientamento = new QVBoxLayout(frame1);
    orientamento->addWidget(vert);
    orientamento->addWidget(oriz);

    auto* nome = Controllo<QLabel>(this, "NomeStampante", QString::fromStdString(dialogo_.NomeStampante()));

    auto* stampa = Controllo<QPushButton>(this, "CmdStampa", "&Stampa");
    auto* annulla = Controllo<QPushButton>(this, "CmdAnnulla", "Annulla");
    stampa->setDefault(true);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(stampa);
    pulsanti->addWidget(annulla);

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(frame2);
    riquadri->addWidget(frame1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(copie);
    tutto->addLayout(riquadri);
    tutto->addWidget(nome);
    tutto->addLayout(pulsanti);

    connect(vert, &QRadioButton::clicked, this, [this] { dialogo_.ImpostaOrientamento(Orientamento::Verticale); });
    connect(oriz, &QRadioButton::clicked, this, [this] { dialogo_.ImpostaOrientamento(Orientamento::Orizzontale); });
    connect(stampa, &QPushButton::clicked, this, &FrmStampaDisegno::Stampa);
    connect(annulla, &QPushButton::clicked, this, &FrmStampaDisegno::reject);

    txtNumCopie_->selectAll();
    txtNumCopie_->setFocus();
}

void FrmStampaDisegno::Stampa()
{
    setCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    dialogo_.TestoCopie = txtNumCopie_->text().toStdString();
    dialogo_.VoceFattore = combo1_->currentIndex();
    const bool chiudi = dialogo_.Stampa();
    unsetCursor();
    if (chiudi)
        accept();
}

} // namespace vellora
