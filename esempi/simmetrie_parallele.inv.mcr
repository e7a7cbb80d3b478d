Inizio macro
Figura attiva, 5
Elimina
PausaLunga, 1
Figura attiva, 4
Elimina
Figura attiva, 3
Fine macro
