Inizio macro
Figura attiva, 15
Elimina
Pausa
Figura attiva, 14
Elimina
Pausa
Figura attiva, 13
Elimina
Pausa
Figura attiva, 12
Elimina
Figura attiva, 1
Fine macro
