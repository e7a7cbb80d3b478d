Inizio macro
Figura attiva, 4
Elimina
PausaLunga, 1
Figura attiva, 3
Elimina
Figura attiva, 1
Fine macro
