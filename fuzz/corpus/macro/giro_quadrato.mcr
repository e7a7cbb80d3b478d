Inizio macro
Figura attiva,  2
Rotazione,  90,  0,  0
PausaLunga,  200
Fine macro
