Inizio macro
Figura attiva, 15
Elimina
PausaLunga, 1
Figura attiva, 14
Elimina
PausaLunga, 1
Figura attiva, 13
Elimina
PausaLunga, 1
Figura attiva, 12
Elimina
Figura attiva, 1
Fine macro
