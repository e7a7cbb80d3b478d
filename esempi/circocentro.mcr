Inizio macro
Figura attiva, 1
PausaLunga, 1
Figura attiva, 3
PausaLunga, 1
Figura attiva, 4
PausaLunga, 1
Figura attiva, 5
PausaLunga, 1
Figura attiva, 1
Replica
Rotazione, 40, 0, 0
Pausa
Rotazione, 40, 0, 0
Pausa
Fine macro
