#include "plane/Scala.h"

#include "model/LeggiNumero.h"
#include "model/NumeriTesto.h"
#include "shell/Programma.h"
#include "transform/Trasformazioni.h"

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
    const Modello& m = p.m;
    if (!NellIntervallo(m.ScalaX) || !NellIntervallo(m.ScalaY)) {
        p.Messaggio(MessaggioScala);
        return true;
    }
    if (m.NumeroFigure == 0) {
        // One unit of each axis may not exceed the limit either.
        if (!EntroLimiti(m, 1.0f, 1.0f)) {
            p.Messaggio(MessaggioNonEseguibile);
            return true;
        }
        return false;
    }
    for (int f = 1; f <= std::min<int>(m.NumeroFigure, MaxFigure); ++f) {
        const int n = std::clamp(NumeroPunti(m, f), 1, MaxPunti);
        for (int k = 1; k <= n; ++k) {
            if (!EntroLimiti(m, m.Figure.X(f, k), m.Figure.Y(f, k))) {
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
    : TestoX(TestoScala(p.m.ScalaX)), TestoY(TestoScala(p.m.ScalaY)), p_(p), inizialeX_(p.m.ScalaX),
      inizialeY_(p.m.ScalaY), accettataX_(p.m.ScalaX), accettataY_(p.m.ScalaY)
{
}

void DialogoScala::Ridisegna()
{
    p_.Ridisegna();
    p_.Mostra();
}

void DialogoScala::Ripristina()
{
    p_.m.ScalaX = accettataX_;
    p_.m.ScalaY = accettataY_;
    TestoX = TestoScala(accettataX_);
    TestoY = TestoScala(accettataY_);
}

// The parser reports its own error; the scale check then has nothing worth
// saying about the value it returned, so one message is shown, not two.
bool DialogoScala::Leggi()
{
    Modello& m = p_.m;
    m.ErroreInput = false;
    std::string x = TestoX;
    std::string y = TestoY;
    m.ScalaX = LeggiNumero(x, m.ErroreInput, p_.dialoghi);
    m.ScalaY = LeggiNumero(y, m.ErroreInput, p_.dialoghi);
    if (m.ErroreInput || ControllaScala(p_)) {
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
    Ridisegna();
    return true;
}

bool DialogoScala::Applica()
{
    if (!Leggi())
        return false;
    inizialeX_ = accettataX_ = p_.m.ScalaX;
    inizialeY_ = accettataY_ = p_.m.ScalaY;
    Ridisegna();
    return true;
}

void DialogoScala::Cambia(float x, float y)
{
    p_.m.ScalaX = x;
    p_.m.ScalaY = y;
    const bool rifiutata = ControllaScala(p_);
    if (rifiutata)
        Ripristina();
    TestoX = TestoScala(p_.m.ScalaX);
    TestoY = TestoScala(p_.m.ScalaY);
    if (rifiutata)
        return;
    accettataX_ = p_.m.ScalaX;
    accettataY_ = p_.m.ScalaY;
    Ridisegna();
}

void DialogoScala::Preimposta(float scala)
{
    Cambia(scala, scala);
}

void DialogoScala::Ingrandisce()
{
    Cambia(p_.m.ScalaX / 2.0f, p_.m.ScalaY / 2.0f);
}

void DialogoScala::Riduce()
{
    Cambia(p_.m.ScalaX * 2.0f, p_.m.ScalaY * 2.0f);
}

void DialogoScala::Annulla()
{
    p_.m.ScalaX = inizialeX_;
    p_.m.ScalaY = inizialeY_;
    Ridisegna();
}

} // namespace vellora
