#include "figures/qt/FrmDatiCerchio.h"

#include "state/Selettori.h"
#include "state/qt/Pulsanti.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

FrmDatiCerchio::FrmDatiCerchio(Programma& p, const SchedaCerchio& s, QWidget* parent)
    : DialogoCaselle(s.nome, s.titolo, parent), modulo_(p, s)
{
    // Widgets are created in the order Tab visits them: each frame's boxes
    // and its buttons, the radius, then OK, Applica and Annulla.
    auto* tutto = new QVBoxLayout(this);
    for (int riga = 0; riga < s.punti; ++riga)
        CreaPunto(riga, tutto);
    if (s.raggio)
        CreaRaggio(tutto);

    QPushButton* ok = NuovoPulsante(this, "Ok", DidascaliaOk);
    ok->setDefault(true);
    QPushButton* applica = NuovoPulsante(this, "Applica", DidascaliaApplica);
    QPushButton* annulla = NuovoPulsante(this, "Annulla", DidascaliaAnnulla);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(applica);
    pulsanti->addWidget(annulla);
    tutto->addLayout(pulsanti);
    connect(ok, &QPushButton::clicked, this, [this] { Conferma(true); });
    connect(applica, &QPushButton::clicked, this, [this] { Conferma(false); });
    connect(annulla, &QPushButton::clicked, this, &FrmDatiCerchio::reject);

    AdattaAlTitolo();
    caselle_.front()->setFocus();
}

void FrmDatiCerchio::CreaCasella(QWidget* gruppo, QGridLayout* griglia, const char* nome, const char* etichetta)
{
    const QString nomeCasella = QString::fromUtf8(nome);
    auto* testo = new QLabel(QString::fromUtf8(etichetta), gruppo);
    testo->setObjectName(QString(nomeCasella).replace(QStringLiteral("Txt"), QStringLiteral("Lbl")));
    auto* casella = new QLineEdit(QString::fromStdString(modulo_.Testi[caselle_.size()]), gruppo);
    casella->setObjectName(nomeCasella);
    testo->setBuddy(casella);
    const int r = griglia->rowCount();
    griglia->addWidget(testo, r, 0);
    griglia->addWidget(casella, r, 1);
    caselle_.push_back(casella);
}

void FrmDatiCerchio::CreaPunto(int riga, QVBoxLayout* colonna)
{
    const PuntoScheda& ps = modulo_.scheda.punto[riga];
    auto* gruppo = new QGroupBox(QString::fromUtf8(ps.titolo), this);
    gruppo->setObjectName(QString::fromUtf8(ps.nome));
    auto* righe = new QVBoxLayout(gruppo);
    colonna->addWidget(gruppo);

    auto* griglia = new QGridLayout;
    CreaCasella(gruppo, griglia, ps.nomeX, EtichettaX);
    CreaCasella(gruppo, griglia, ps.nomeY, EtichettaY);
    griglia->setColumnStretch(2, 1);
    righe->addLayout(griglia);

    righe->addLayout(RigaSelettori(gruppo, ps.suffisso,
                                   [this, riga](int k) { Esegui([this, riga, k] { modulo_.Seleziona(riga, k); }); }));
    if (!*ps.nomeOrigine)
        return;
    QPushButton* origine = NuovoPulsante(gruppo, QString::fromUtf8(ps.nomeOrigine), DidascaliaOrigine);
    connect(origine, &QPushButton::clicked, this, [this, riga] { Esegui([this, riga] { modulo_.Origine(riga); }); });
    QPushButton* puntoO = NuovoPulsante(gruppo, QString::fromUtf8(ps.nomePuntoO), DidascaliaPuntoO);
    connect(puntoO, &QPushButton::clicked, this, [this, riga] { Esegui([this, riga] { modulo_.PuntoO(riga); }); });
    auto* punti = new QHBoxLayout;
    punti->addWidget(origine);
    punti->addWidget(puntoO);
    punti->addStretch();
    righe->addLayout(punti);
}

void FrmDatiCerchio::CreaRaggio(QVBoxLayout* colonna)
{
    auto* gruppo = new QGroupBox(QString::fromUtf8(TitoloFrameRaggio), this);
    gruppo->setObjectName(QString::fromUtf8(NomeFrameRaggio));
    auto* griglia = new QGridLayout(gruppo);
    CreaCasella(gruppo, griglia, NomeRaggio, EtichettaRaggio);
    griglia->setColumnStretch(2, 1);
    colonna->addWidget(gruppo);
}

void FrmDatiCerchio::Conferma(bool chiudi)
{
    DialogoCaselle::Conferma(modulo_.Testi, modulo_.Errata, chiudi,
                             [this, chiudi] { return chiudi ? modulo_.Ok() : modulo_.Applica(); });
}

void FrmDatiCerchio::reject()
{
    modulo_.Annulla();
    QDialog::reject();
}

void ApriFrmDatiCerchio(Programma& p, const SchedaCerchio& s, QWidget* parent)
{
    FrmDatiCerchio dialogo(p, s, parent);
    dialogo.exec();
}

} // namespace vellora
