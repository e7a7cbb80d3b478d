Inizio macro
Figura attiva, 3
Elimina
PausaLunga, 1
Figura attiva, 2
Elimina
Figura attiva, 1
Fine macro
