#pragma once
// The scale of each axis (plane units per tick) and the scale dialog. A
// scale is accepted only when every figure stays within the pixel limit the
// transformations respect, and equal scales are required while circles exist.
#include "model/Disegno.h"

#include <string>

namespace vellora {

class Programma;
struct Modello;

inline constexpr float ScalaMinima = 0.00001f;
inline constexpr float ScalaMassima = 1000.0f;

inline const std::string MessaggioScala = "La scala deve essere un numero positivo compreso tra 0,00001 e 1000";
inline const std::string MessaggioNonEseguibile = "Operazione non eseguibile";
inline const std::string MessaggioNumeriGrandi =
    std::string("Operazione non consentita;") + " i numeri coinvolti sono troppo grandi";
inline const std::string MessaggioMonometrico =
    std::string("Se esistono circonferenze è necessario") + " un sistema monometrico (stessa scala sui due assi)";

// Checks the current ScalaX and ScalaY; shows the first reason for refusing
// them and returns true when refused.
bool ControllaScala(Programma& p);

// The scale text of the dialog: "0,5".
std::string TestoScala(float scala);

class DialogoScala {
public:
    // Both the entry scales and the last accepted ones are the current scales.
    explicit DialogoScala(Programma& p);

    std::string TestoX; // "Scala asse x="
    std::string TestoY; // "Scala asse y="

    // Closing the dialog, by OK or Annulla, marks the drawing modified when
    // its scales are not those it had when the dialog opened.
    bool Ok();      // true: accepted, the dialog closes
    bool Applica(); // true: accepted and kept as the entry scales
    // Presets, Ingrandisce and Riduce keep the two scales in their ratio.
    void Preimposta(float scala);
    void Ingrandisce();
    void Riduce();
    void Annulla(); // back to the entry scales, which Applica may have moved

private:
    bool Leggi();
    void Ripristina();
    void Cambia(float x, float y);
    void Ridisegna();

    Programma& p_;
    float inizialeX_, inizialeY_;
    float accettataX_, accettataY_;
    Disegno apertura_;
};

} // namespace vellora
