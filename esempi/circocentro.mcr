Inizio macro
Figura attiva, 1
Pausa
Figura attiva, 3
Pausa
Figura attiva, 4
Pausa
Figura attiva, 5
Pausa
Figura attiva, 1
Replica
Rotazione, 40, 0, 0
Pausa
Rotazione, 40, 0, 0
Pausa
Fine macro
