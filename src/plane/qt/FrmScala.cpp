#include "plane/qt/FrmScala.h"

#include "state/Programma.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

namespace {

struct Preimpostazione {
    const char* nome;
    const char* testo;
    const char* suggerimento;
    float scala;
};

const Preimpostazione Preimpostazioni[] = {
    {"ScalaUno", "Scala 1", " Scala 1 su entrambi gli assi (predefinita)", 1.0f},
    {"ScalaDue", "Scala 2", "Scala 2 su entrambi gli assi", 2.0f},
    {"ScalaQuattro", "Scala 4", "Scala 4 su entrambi gli assi", 4.0f},
    {"ScalaCinque", "Scala 5", "Scala 5 su entrambi gli assi", 5.0f},
    {"ScalaDieci", "Scala 10", "Scala 10 su entrambi gli assi", 10.0f},
    {"ScalaUnMezzo", "Scala 1/2", " Scala 1/2 su entrambi gli assi", 0.5f},
    {"ScalaUnQuarto", "Scala 1/4", " Scala 1/4 su entrambi gli assi", 0.25f},
    {"ScalaUnQuinto", "Scala 1/5", " Scala 1/5 su entrambi gli assi", 0.2f},
    {"ScalaUnDecimo", "Scala 1/10", " Scala 1/10 su entrambi gli assi", 0.1f},
};

QPushButton* Pulsante(QWidget* padre, const char* nome, const QString& testo, const QString& suggerimento = {})
{
    auto* b = new QPushButton(testo, padre);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    if (!suggerimento.isEmpty())
        b->setToolTip(suggerimento);
    return b;
}

QLineEdit* Casella(QWidget* padre, const char* nome, const QString& suggerimento)
{
    auto* c = new QLineEdit(padre);
    c->setObjectName(nome);
    c->setToolTip(suggerimento);
    return c;
}

} // namespace

FrmScala::FrmScala(Programma& p, QWidget* parent)
    : QDialog(parent), dialogo_(p), text1_(Casella(this, "Text1", " Imposta la scala sul solo asse delle x")),
      text2_(Casella(this, "Text2", " Imposta la scala sul solo asse delle y"))
{
    setObjectName("FrmScala");
    setWindowTitle("Scala");
    setModal(true);
    text1_->setText(QString::fromStdString(dialogo_.TestoX));
    text2_->setText(QString::fromStdString(dialogo_.TestoY));

    auto* label1 = new QLabel("Scala asse &x=", this);
    label1->setObjectName("Label1");
    auto* label2 = new QLabel("Scala asse &y=", this);
    label2->setObjectName("Label2");
    label1->setBuddy(text1_);
    label2->setBuddy(text2_);
    auto* caselle = new QGridLayout;
    caselle->addWidget(label1, 0, 0);
    caselle->addWidget(text1_, 0, 1);
    caselle->addWidget(label2, 1, 0);
    caselle->addWidget(text2_, 1, 1);

    auto* frame = new QGroupBox(" Scala", this);
    frame->setObjectName("FrameScala");
    auto* griglia = new QGridLayout(frame);
    int i = 0;
    for (const Preimpostazione& s : Preimpostazioni) {
        auto* b = Pulsante(frame, s.nome, s.testo, s.suggerimento);
        griglia->addWidget(b, i % 5, i / 5);
        ++i;
        const float scala = s.scala;
        connect(b, &QPushButton::clicked, this,
                [this, scala] { Esegui([this, scala] { dialogo_.Preimposta(scala); }); });
    }
    auto* ingrandisce =
        Pulsante(frame, "Ingrandisce", "&Ingrandisce", "Divide la scala impostata per 2 (su entrambi gli assi)");
    auto* riduce = Pulsante(frame, "Riduce", "&Riduce", "Moltiplica la scala impostata per 2 (su entrambi gli assi)");
    griglia->addWidget(ingrandisce, 4, 1);
    griglia->addWidget(riduce, 5, 1);

    auto* applica = Pulsante(this, "Applica", "A&pplica");
    auto* ok = Pulsante(this, "Ok", "OK");
    auto* annulla = Pulsante(this, "Annulla", "Annulla");
    ok->setDefault(true);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(applica);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(caselle);
    tutto->addWidget(frame);
    tutto->addLayout(pulsanti);

    connect(ingrandisce, &QPushButton::clicked, this, [this] { Esegui([this] { dialogo_.Ingrandisce(); }); });
    connect(riduce, &QPushButton::clicked, this, [this] { Esegui([this] { dialogo_.Riduce(); }); });
    connect(applica, &QPushButton::clicked, this, [this] { Esegui([this] { dialogo_.Applica(); }); });
    connect(ok, &QPushButton::clicked, this, [this] {
        bool chiudi = false;
        Esegui([this, &chiudi] { chiudi = dialogo_.Ok(); });
        if (chiudi)
            accept();
    });
    connect(annulla, &QPushButton::clicked, this, &FrmScala::reject);

    text1_->selectAll();
    text1_->setFocus();
}

template <typename Comando> void FrmScala::Esegui(Comando comando)
{
    dialogo_.TestoX = text1_->text().toStdString();
    dialogo_.TestoY = text2_->text().toStdString();
    comando();
    for (auto [casella, testo] : {std::pair{text1_, &dialogo_.TestoX}, std::pair{text2_, &dialogo_.TestoY}}) {
        const QString nuovo = QString::fromStdString(*testo);
        if (casella->text() != nuovo)
            casella->setText(nuovo);
    }
}

void FrmScala::reject()
{
    dialogo_.Annulla();
    QDialog::reject();
}

void ApriFrmScala(Programma& p, QWidget* parent)
{
    FrmScala dialogo(p, parent);
    dialogo.exec();
}

} // namespace vellora
