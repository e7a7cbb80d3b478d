#include "transform/ModuloImpostazioni.h"

#include "model/NumeriTesto.h"
#include "plane/Schermo.h"
#include "state/LeggiNumero.h"
#include "state/Programma.h"
#include "state/Selettori.h"

namespace vellora {

namespace {

const std::string EtichettaP = "P";

bool IsAscissa(Campo c)
{
    return c == Campo::CentroX || c == Campo::PuntoPX;
}

bool IsOrdinata(Campo c)
{
    return c == Campo::CentroY || c == Campo::PuntoPY;
}

} // namespace

ModuloImpostazioni::ModuloImpostazioni(Programma& p, Trasformazione t)
    : scheda(SchedaDi(t)), p_(p), descrittore_(DescrittoreDi(t)), centroXIniziale_(p.d.CentroX),
      centroYIniziale_(p.d.CentroY)
{
    for (const GruppoScheda& g : scheda.gruppi)
        for (const CasellaScheda& c : g.caselle)
            Testi.push_back(c.letta ? TestoCasella(ValoreDi(p.d, c.campo)) : "0");
    for (size_t i = 0; i < descrittore_.dialogo.size(); ++i)
        ripristino_[i] = ValoreDi(p.d, descrittore_.dialogo[i]);
}

int ModuloImpostazioni::Casella(int g, int i) const
{
    int indice = i;
    for (int j = 0; j < g; ++j)
        indice += static_cast<int>(scheda.gruppi[static_cast<size_t>(j)].caselle.size());
    return indice;
}

// Every read box in order into a copy; the parameters take the copy only
// when nothing was refused.
bool ModuloImpostazioni::Leggi(std::string_view nullo)
{
    Errata = -1;
    bool& errore = p_.sessione.ErroreInput;
    errore = false;
    std::array<float, 4> valori{};
    size_t letti = 0;
    int indice = 0;
    for (const GruppoScheda& g : scheda.gruppi) {
        for (const CasellaScheda& c : g.caselle) {
            const int questa = indice++;
            if (!c.letta)
                continue;
            // The box keeps what the user typed; the reader works on a copy.
            std::string testo = Testi[static_cast<size_t>(questa)];
            const float v = LeggiNumero(testo, errore, p_.dialoghi);
            if (errore) {
                Errata = questa;
                return false;
            }
            if (letti == 0 && !nullo.empty() && v == 0.0f) {
                p_.Messaggio(std::string(nullo), Icona::Stop);
                Errata = questa;
                return false;
            }
            valori[letti++] = v;
        }
    }
    for (size_t i = 0; i < letti; ++i)
        ImpostaValore(p_.d, descrittore_.dialogo[i], valori[i]);
    return true;
}

bool ModuloImpostazioni::Ok()
{
    if (!Leggi(scheda.nulloOk))
        return false;
    Ridisegna(nullptr);
    return true;
}

bool ModuloImpostazioni::Applica()
{
    if (!Leggi(scheda.nulloApplica))
        return false;
    for (size_t i = 0; i < descrittore_.dialogo.size(); ++i)
        ripristino_[i] = ValoreDi(p_.d, descrittore_.dialogo[i]);
    Ridisegna(nullptr);
    return true;
}

void ModuloImpostazioni::Annulla()
{
    for (size_t i = 0; i < descrittore_.dialogo.size(); ++i)
        ImpostaValore(p_.d, descrittore_.dialogo[i], ripristino_[i]);
    vellora::Ridisegna(p_);
    p_.Mostra();
}

void ModuloImpostazioni::Preimposta(int g, int i)
{
    const GruppoScheda& gruppo = scheda.gruppi[static_cast<size_t>(g)];
    const std::string testo = TestoCasella(gruppo.preimpostati[static_cast<size_t>(i)].valore);
    for (size_t j = 0; j < gruppo.caselle.size(); ++j)
        if (gruppo.caselle[j].letta)
            Testi[static_cast<size_t>(Casella(g, static_cast<int>(j)))] = testo;
}

void ModuloImpostazioni::Seleziona(int g, int k)
{
    float x = 0.0f;
    float y = 0.0f;
    if (PuntoSelezionabile(p_.d, k, x, y))
        ImpostaPunto(g, x, y);
}

void ModuloImpostazioni::Origine(int g)
{
    ImpostaPunto(g, 0.0f, 0.0f);
}

void ModuloImpostazioni::Predefinita(int g)
{
    float x = 0.0f;
    float y = 0.0f;
    if (PuntoPredefinito(p_.d, scheda.centroCerchio, x, y))
        ImpostaPunto(g, x, y);
}

void ModuloImpostazioni::DopoPuntoMedio(int g)
{
    const GruppoScheda& gruppo = scheda.gruppi[static_cast<size_t>(g)];
    bool x = false;
    bool y = false;
    for (size_t j = 0; j < gruppo.caselle.size(); ++j) {
        const Campo c = gruppo.caselle[j].campo;
        x = x || c == Campo::CentroX;
        y = y || c == Campo::CentroY;
        Testi[static_cast<size_t>(Casella(g, static_cast<int>(j)))] = TestoCasella(ValoreDi(p_.d, c));
    }
    if (!x)
        p_.d.CentroX = centroXIniziale_;
    if (!y)
        p_.d.CentroY = centroYIniziale_;
    Ridisegna(&gruppo);
}

void ModuloImpostazioni::Vettore(float dx, float dy)
{
    const GruppoScheda& gruppo = scheda.gruppi[0];
    for (size_t j = 0; j < gruppo.caselle.size(); ++j) {
        const Campo c = gruppo.caselle[j].campo;
        Testi[static_cast<size_t>(Casella(0, static_cast<int>(j)))] = TestoCasella(c == Campo::TraslX ? dx : dy);
    }
}

// The group's point, or its one coordinate, into the parameters and the boxes.
void ModuloImpostazioni::ImpostaPunto(int g, float x, float y)
{
    const GruppoScheda& gruppo = scheda.gruppi[static_cast<size_t>(g)];
    for (size_t j = 0; j < gruppo.caselle.size(); ++j) {
        const Campo c = gruppo.caselle[j].campo;
        if (!IsAscissa(c) && !IsOrdinata(c))
            continue;
        const float v = IsAscissa(c) ? x : y;
        ImpostaValore(p_.d, c, v);
        Testi[static_cast<size_t>(Casella(g, static_cast<int>(j)))] = TestoCasella(v);
    }
    Ridisegna(&gruppo);
}

// The redraw, then the axis or the mark of one group (nullptr: of every
// group, as after OK and Applica).
void ModuloImpostazioni::Ridisegna(const GruppoScheda* g)
{
    vellora::Ridisegna(p_);
    Superficie* s = p_.Schermo();
    if (s && p_.Larghezza() > 0 && p_.Altezza() > 0) {
        for (const GruppoScheda& gruppo : scheda.gruppi) {
            if (g && g != &gruppo)
                continue;
            switch (gruppo.segno) {
            case Segno::Nessuno:
                break;
            case Segno::AsseVerticale:
                DisegnaAsseVerticale(p_.d, p_.mappa, *s);
                break;
            case Segno::AsseOrizzontale:
                DisegnaAsseOrizzontale(p_.d, p_.mappa, *s);
                break;
            case Segno::PuntoP:
                SegnaPunto(p_.d, p_.mappa, p_.d.Parametri.PuntoPX, p_.d.Parametri.PuntoPY, CodiceBianco, EtichettaP, 0,
                           *s);
                break;
            }
        }
    }
    p_.Mostra();
}

} // namespace vellora
