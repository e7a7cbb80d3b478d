#include "transform/qt/FrmPuntiQR.h"

#include "state/qt/Pulsanti.h"
#include "transform/Schede.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

FrmPuntiQR::FrmPuntiQR(Programma& p, Tipo tipo, QWidget* parent) : QDialog(parent), modulo_(p)
{
    setObjectName(tipo == PuntoMedio ? "FrmPuntoMedio" : "FrmTraslazioneQR");
    setWindowTitle(QString::fromUtf8(tipo == PuntoMedio ? TitoloPuntoMedio : TitoloTraslazioneQR));
    setModal(true);

    auto* tutto = new QVBoxLayout(this);
    const char* titoli[2] = {TitoloPuntoQ, TitoloPuntoR};
    for (int i = 0; i < 2; ++i) {
        auto* gruppo = new QGroupBox(QString::fromUtf8(titoli[i]), this);
        gruppo->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
        auto* riga = RigaSelettori(gruppo, i == 0 ? "1" : "2", [this, i](int k) { modulo_.Seleziona(i == 1, k); });
        gruppo->setLayout(riga);
        tutto->addWidget(gruppo);
    }

    QPushButton* ok = NuovoPulsante(this, "Ok", DidascaliaOk);
    QPushButton* annulla = NuovoPulsante(this, "Annulla", DidascaliaAnnulla);
    ok->setDefault(true);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    tutto->addLayout(pulsanti);

    connect(ok, &QPushButton::clicked, this, [this, tipo] {
        if (tipo == PuntoMedio)
            modulo_.PuntoMedio();
        accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace vellora
