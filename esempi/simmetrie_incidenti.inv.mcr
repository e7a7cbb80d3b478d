Inizio macro
Figura attiva, 7
Elimina
Pausa
Figura attiva, 6
Elimina
Pausa
Figura attiva, 5
Elimina
Figura attiva, 3
Fine macro
