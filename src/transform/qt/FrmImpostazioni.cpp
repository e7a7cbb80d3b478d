#include "transform/qt/FrmImpostazioni.h"

#include "state/qt/Pulsanti.h"
#include "transform/qt/FrmPuntiQR.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

FrmImpostazioni::FrmImpostazioni(Programma& p, Trasformazione t, QWidget* parent)
    : DialogoCaselle(SchedaDi(t).nome, SchedaDi(t).titolo, parent), p_(p), modulo_(p, t)
{
    const Scheda& s = modulo_.scheda;
    // Widgets are created in the order Tab visits them: the groups, then OK,
    // Applica and Annulla.
    auto* tutto = new QVBoxLayout(this);
    for (int g = 0; g < static_cast<int>(s.gruppi.size()); ++g)
        CreaGruppo(g, tutto);

    QPushButton* ok = NuovoPulsante(this, "Ok", DidascaliaOk);
    ok->setDefault(true);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, [this] { Conferma(true); });
    if (s.applica) {
        QPushButton* applica = NuovoPulsante(this, "Applica", DidascaliaApplica);
        pulsanti->addWidget(applica);
        connect(applica, &QPushButton::clicked, this, [this] { Conferma(false); });
    }
    QPushButton* annulla = NuovoPulsante(this, "Annulla", DidascaliaAnnulla);
    pulsanti->addWidget(annulla);
    connect(annulla, &QPushButton::clicked, this, &FrmImpostazioni::reject);
    tutto->addLayout(pulsanti);
    AdattaAlTitolo();

    for (QLineEdit* casella : caselle_)
        if (casella->isEnabled()) {
            casella->setFocus();
            break;
        }
}

void FrmImpostazioni::CreaGruppo(int g, QVBoxLayout* colonna)
{
    const GruppoScheda& gs = modulo_.scheda.gruppi[static_cast<size_t>(g)];
    auto* gruppo = new QGroupBox(QString::fromUtf8(gs.titolo), this);
    gruppo->setObjectName(QString::fromUtf8(gs.nome));
    auto* righe = new QVBoxLayout(gruppo);
    colonna->addWidget(gruppo);

    if (*gs.nota) {
        auto* nota = new QLabel(QString::fromUtf8(gs.nota), gruppo);
        nota->setObjectName(QString::fromUtf8(gs.nomeNota));
        nota->setWordWrap(true);
        righe->addWidget(nota);
    }
    auto* griglia = new QGridLayout;
    for (int i = 0; i < static_cast<int>(gs.caselle.size()); ++i) {
        const CasellaScheda& c = gs.caselle[static_cast<size_t>(i)];
        auto* etichetta = new QLabel(QString::fromUtf8(c.etichetta), gruppo);
        etichetta->setObjectName(QString::fromUtf8(c.nomeEtichetta));
        auto* casella = new QLineEdit(gruppo);
        casella->setObjectName(QString::fromUtf8(c.nome));
        casella->setText(QString::fromStdString(modulo_.Testi[static_cast<size_t>(modulo_.Casella(g, i))]));
        casella->setEnabled(c.letta);
        etichetta->setBuddy(casella);
        griglia->addWidget(etichetta, i, 0);
        griglia->addWidget(casella, i, 1);
        caselle_.push_back(casella);
    }
    righe->addLayout(griglia);

    if (gs.preimpostati.size() > 0) {
        auto* riga = new QHBoxLayout;
        for (int i = 0; i < static_cast<int>(gs.preimpostati.size()); ++i) {
            const Preimpostato& pr = gs.preimpostati[static_cast<size_t>(i)];
            QPushButton* b = NuovoPulsante(gruppo, QString::fromUtf8(pr.nome), pr.didascalia);
            connect(b, &QPushButton::clicked, this,
                    [this, g, i] { Esegui([this, g, i] { modulo_.Preimposta(g, i); }); });
            riga->addWidget(b);
        }
        riga->addStretch();
        righe->addLayout(riga);
    }
    if (gs.traslazioneQR) {
        QPushButton* b = NuovoPulsante(gruppo, "CmdTraslQR", DidascaliaTraslazioneQR);
        connect(b, &QPushButton::clicked, this, [this] {
            FrmPuntiQR qr(p_, FrmPuntiQR::TraslazioneQR, this);
            if (qr.exec() == QDialog::Accepted)
                Esegui([this, v = qr.Vettore()] { modulo_.Vettore(v.x, v.y); });
        });
        auto* riga = new QHBoxLayout;
        riga->addWidget(b);
        riga->addStretch();
        righe->addLayout(riga);
    }
    if (!gs.selettori)
        return;
    righe->addLayout(
        RigaSelettori(gruppo, gs.suffisso, [this, g](int k) { Esegui([this, g, k] { modulo_.Seleziona(g, k); }); }));
    auto* punti = new QHBoxLayout;
    if (gs.puntoMedio) {
        QPushButton* b = NuovoPulsante(gruppo, "CmdPuntoMedio", DidascaliaPuntoMedio);
        connect(b, &QPushButton::clicked, this, [this, g] {
            FrmPuntiQR medio(p_, FrmPuntiQR::PuntoMedio, this);
            medio.exec();
            Esegui([this, g] { modulo_.DopoPuntoMedio(g); });
        });
        punti->addWidget(b);
    }
    if (*gs.predefinita) {
        QPushButton* b = NuovoPulsante(gruppo, QString::fromUtf8(gs.nomePredefinita), gs.predefinita);
        connect(b, &QPushButton::clicked, this, [this, g] { Esegui([this, g] { modulo_.Predefinita(g); }); });
        punti->addWidget(b);
    }
    QPushButton* origine = NuovoPulsante(gruppo, QString::fromUtf8(gs.nomeOrigine), DidascaliaOrigine);
    connect(origine, &QPushButton::clicked, this, [this, g] { Esegui([this, g] { modulo_.Origine(g); }); });
    punti->addWidget(origine);
    punti->addStretch();
    righe->addLayout(punti);
}

void FrmImpostazioni::Conferma(bool chiudi)
{
    DialogoCaselle::Conferma(modulo_.Testi, modulo_.Errata, chiudi,
                             [this, chiudi] { return chiudi ? modulo_.Ok() : modulo_.Applica(); });
}

void FrmImpostazioni::reject()
{
    modulo_.Annulla();
    QDialog::reject();
}

void ApriFrmImpostazioni(Programma& p, Trasformazione t, QWidget* parent)
{
    FrmImpostazioni dialogo(p, t, parent);
    dialogo.exec();
}

} // namespace vellora
