Inizio macro
Figura attiva, 1
Pausa
Replica
Simmetria, -5, 3, -5, 5
Pausa
Figura attiva, 2
Pausa
Replica
Simmetria, 3.5, 2.5, 5, 4
Pausa
Figura attiva, 3
Pausa
Replica
SimmetriaY, -5
Pausa
Figura attiva, 4
Pausa
Replica
SimmetriaX, -4
Pausa
Fine macro
