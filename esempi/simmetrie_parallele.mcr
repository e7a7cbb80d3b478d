Inizio macro
Figura attiva, 3
PausaLunga, 1
Replica
SimmetriaY, 3
Pausa
Replica
SimmetriaY, 6
Pausa
Fine macro
