Inizio macro
Figura attiva, 7
Elimina
PausaLunga, 1
Figura attiva, 6
Elimina
PausaLunga, 1
Figura attiva, 5
Elimina
Figura attiva, 3
Fine macro
