Inizio macro
Figura attiva, 5
Elimina
PausaLunga, 1
Figura attiva, 4
Elimina
PausaLunga, 1
Figura attiva, 3
Elimina
Figura attiva, 2
Fine macro
