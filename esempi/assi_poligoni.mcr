Inizio macro
Figura attiva, 1
PausaLunga, 1
Replica
Simmetria, -5, 3, -5, 5
Pausa
Figura attiva, 2
PausaLunga, 1
Replica
Simmetria, 3.5, 2.5, 5, 4
Pausa
Figura attiva, 3
PausaLunga, 1
Replica
SimmetriaY, -5
Pausa
Figura attiva, 4
PausaLunga, 1
Replica
SimmetriaX, -4
Pausa
Fine macro
