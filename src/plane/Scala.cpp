#include "plane/Scala.h"

#include "model/NumeriTesto.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"
#include "state/LeggiNumero.h"
#include "state/Programma.h"

#include <algorithm>

namespace vellora {

namespace {

bool NellIntervallo(float s)
{
    return s >= ScalaMinima && s <= ScalaMassima;
}

} // namespace

bool ControllaScala(Programma& p)
{
    const Disegno& m = p.d;
    if (!NellIntervallo(m.ScalaX) || !NellIntervallo(m.ScalaY)) {
        p.Messaggio(MessaggioScala);
        return true;
    }
    if (m.NumeroFigure == 0) {
        // One unit of each axis may not exceed the limit either.
        if (!EntroLimiti(m, p.mappa, 1.0f, 1.0f)) {
            p.Messaggio(MessaggioNonEseguibile);
            return true;
        }
        return false;
    }
    for (int f = 1; f <= std::min<int>(m.NumeroFigure, MaxFigure); ++f) {
        const int n = PuntiValidi(m, f);
        for (int k = 1; k <= n; ++k) {
            if (!EntroLimiti(m, p.mappa, m.Figure.X(f, k), m.Figure.Y(f, k))) {
                p.Messaggio(MessaggioNumeriGrandi);
                return true;
            }
        }
    }
    return false;
}

std::string TestoScala(float scala)
{
    return FormattaNumero(scala, "0.########");
}

DialogoScala::DialogoScala(Programma& p)
    : TestoX(TestoScala(p.d.ScalaX)), TestoY(TestoScala(p.d.ScalaY)), p_(p), inizialeX_(p.d.ScalaX),
      inizialeY_(p.d.ScalaY), accettataX_(p.d.ScalaX), accettataY_(p.d.ScalaY), apertura_(p.d)
{
}

void DialogoScala::Ridisegna()
{
    vellora::Ridisegna(p_);
    p_.Mostra();
}

void DialogoScala::Ripristina()
{
    p_.d.ScalaX = accettataX_;
    p_.d.ScalaY = accettataY_;
    TestoX = TestoScala(accettataX_);
    TestoY = TestoScala(accettataY_);
}

// The parser reports its own error; the scale check then has nothing worth
// saying about the value it returned, so one message is shown, not two.
bool DialogoScala::Leggi()
{
    Disegno& m = p_.d;
    bool& errore = p_.sessione.ErroreInput;
    errore = false;
    std::string x = TestoX;
    std::string y = TestoY;
    m.ScalaX = LeggiNumero(x, errore, p_.dialoghi);
    m.ScalaY = LeggiNumero(y, errore, p_.dialoghi);
    if (errore || ControllaScala(p_)) {
        Ripristina();
        return false;
    }
    if (EsisteCerchio(m) && m.ScalaX != m.ScalaY) {
        p_.Messaggio(MessaggioMonometrico);
        Ripristina();
        return false;
    }
    return true;
}

bool DialogoScala::Ok()
{
    if (!Leggi())
        return false;
    p_.SegnaModifiche(apertura_);
    Ridisegna();
    return true;
}

bool DialogoScala::Applica()
{
    if (!Leggi())
        return false;
    inizialeX_ = accettataX_ = p_.d.ScalaX;
    inizialeY_ = accettataY_ = p_.d.ScalaY;
    Ridisegna();
    return true;
}

void DialogoScala::Cambia(float x, float y)
{
    p_.d.ScalaX = x;
    p_.d.ScalaY = y;
    const bool rifiutata = ControllaScala(p_);
    if (rifiutata)
        Ripristina();
    TestoX = TestoScala(p_.d.ScalaX);
    TestoY = TestoScala(p_.d.ScalaY);
    if (rifiutata)
        return;
    accettataX_ = p_.d.ScalaX;
    accettataY_ = p_.d.ScalaY;
    Ridisegna();
}

void DialogoScala::Preimposta(float scala)
{
    Cambia(scala, scala);
}

void DialogoScala::Ingrandisce()
{
    Cambia(p_.d.ScalaX / 2.0f, p_.d.ScalaY / 2.0f);
}

void DialogoScala::Riduce()
{
    Cambia(p_.d.ScalaX * 2.0f, p_.d.ScalaY * 2.0f);
}

void DialogoScala::Annulla()
{
    p_.d.ScalaX = inizialeX_;
    p_.d.ScalaY = inizialeY_;
    p_.SegnaModifiche(apertura_);
    Ridisegna();
}

} // namespace vellora
