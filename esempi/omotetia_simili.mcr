Inizio macro
Figura attiva, 1
PausaLunga, 1
Replica
Omotetia, 2, 0, 0
Pausa
Figura attiva, 1
Replica
Omotetia, 3, 0, 0
Pausa
Fine macro
