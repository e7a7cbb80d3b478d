Inizio macro
Figura attiva, 1
PausaLunga, 1
Replica
SimmetriaO, 0, 0
Pausa
Figura attiva, 1
Replica
Rotazione, 90, 0, 0
Pausa
Rotazione, 90, 0, 0
Pausa
Fine macro
