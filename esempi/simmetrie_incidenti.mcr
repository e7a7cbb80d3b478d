Inizio macro
Figura attiva, 3
PausaLunga, 1
Replica
SimmetriaX, 1
Pausa
Replica
Simmetria, 1, 1, 2, 2
Pausa
Figura attiva, 3
Replica
Rotazione, 90, 1, 1
Pausa
Fine macro
