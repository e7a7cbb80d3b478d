#include "plane/qt/FrmRange.h"

#include "state/Programma.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vellora {

namespace {

QPushButton* Pulsante(QWidget* padre, const char* nome, const QString& testo, const QString& suggerimento = {})
{
    auto* b = new QPushButton(testo, padre);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    if (!suggerimento.isEmpty())
        b->setToolTip(suggerimento);
    return b;
}

} // namespace

FrmRange::FrmRange(Programma& p, QWidget* parent) : QDialog(parent), dialogo_(p), text1_(new QLineEdit(this))
{
    setObjectName("FrmRange");
    setWindowTitle("Range");
    setModal(true);

    auto* frame2 = new QGroupBox("Range", this);
    frame2->setObjectName("Frame2");
    auto* label1 = new QLabel("&Range=", frame2);
    label1->setObjectName("Label1");
    text1_->setParent(frame2);
    text1_->setObjectName("Text1");
    text1_->setToolTip(" Imposta il numero di tacche sugli assi coordinati");
    text1_->setText(QString::fromStdString(dialogo_.Testo));
    auto* command1 =
        Pulsante(frame2, "Command1", "&Incrementa", " Incrementa di 1 il numero di tacche sugli assi coordinati");
    auto* command2 = Pulsante(frame2, "Command2", "&Decrementa");
    auto* command3 = Pulsante(frame2, "Command3", "Pr&edefinito");
    auto* grigliaRange = new QGridLayout(frame2);
    grigliaRange->addWidget(label1, 0, 0);
    grigliaRange->addWidget(text1_, 0, 1);
    grigliaRange->addWidget(command1, 1, 0, 1, 2);
    grigliaRange->addWidget(command2, 2, 0, 1, 2);
    grigliaRange->addWidget(command3, 3, 0, 1, 2);

    auto* frame1 = new QGroupBox("Griglia", this);
    frame1->setObjectName("Frame1");
    QRadioButton* opzioni[3] = {new QRadioButton("&Sì", frame1), new QRadioButton("&No", frame1),
                                new QRadioButton("P&unti", frame1)};
    opzioni[0]->setToolTip(" Traccia una griglia sul piano cartesiano");
    auto* label2 = new QLabel("In&tensità", frame1);
    label2->setObjectName("Label2");
    auto* slider1 = new QSlider(Qt::Horizontal, frame1);
    slider1->setObjectName("Slider1");
    slider1->setRange(IntensitaMinima, IntensitaMassima);
    slider1->setSingleStep(PassoIntensita);
    slider1->setPageStep(PassoIntensita);
    slider1->setTickInterval(PassoIntensita);
    slider1->setTickPosition(QSlider::TicksBelow);
    slider1->setValue(p.sessione.IntensitaGriglia);
    // Alt and the underlined letter of a label reach the box it names.
    label1->setBuddy(text1_);
    label2->setBuddy(slider1);
    auto* grigliaOpzioni = new QVBoxLayout(frame1);
    for (int i = 0; i < 3; ++i) {
        opzioni[i]->setObjectName(QString("Option%1").arg(i + 1));
        opzioni[i]->setChecked(p.d.TipoGriglia == i + 1);
        grigliaOpzioni->addWidget(opzioni[i]);
    }
    grigliaOpzioni->addWidget(label2);
    grigliaOpzioni->addWidget(slider1);

    auto* applica = Pulsante(this, "Applica", "A&pplica");
    auto* ok = Pulsante(this, "Ok", "OK");
    auto* annulla = Pulsante(this, "Annulla", "Annulla");
    ok->setDefault(true);

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(frame2);
    riquadri->addWidget(frame1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(applica);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(riquadri);
    tutto->addLayout(pulsanti);

    // Connected after the initial values, which change nothing.
    connect(command1, &QPushButton::clicked, this, [this] { Esegui([this] { dialogo_.Incrementa(); }); });
    connect(command2, &QPushButton::clicked, this, [this] { Esegui([this] { dialogo_.Decrementa(); }); });
    connect(command3, &QPushButton::clicked, this, [this] { Esegui([this] { dialogo_.Predefinito(); }); });
    for (int i = 0; i < 3; ++i)
        connect(opzioni[i], &QRadioButton::toggled, this, [this, i](bool si) {
            if (si)
                dialogo_.Griglia(i + 1);
        });
    connect(slider1, &QSlider::valueChanged, this, [this](int v) { dialogo_.Intensita(v); });
    connect(applica, &QPushButton::clicked, this, [this] { Esegui([this] { dialogo_.Applica(); }); });
    connect(ok, &QPushButton::clicked, this, [this] {
        bool chiudi = false;
        Esegui([this, &chiudi] { chiudi = dialogo_.Ok(); });
        if (chiudi)
            accept();
    });
    connect(annulla, &QPushButton::clicked, this, &FrmRange::reject);

    text1_->selectAll();
    text1_->setFocus();
}

template <typename Comando> void FrmRange::Esegui(Comando comando)
{
    dialogo_.Testo = text1_->text().toStdString();
    comando();
    const QString testo = QString::fromStdString(dialogo_.Testo);
    if (text1_->text() != testo)
        text1_->setText(testo);
}

void FrmRange::reject()
{
    dialogo_.Annulla();
    QDialog::reject();
}

void ApriFrmRange(Programma& p, QWidget* parent)
{
    FrmRange dialogo(p, parent);
    dialogo.exec();
}

} // namespace vellora
