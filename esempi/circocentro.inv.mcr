Inizio macro
Figura attiva, 6
Elimina
Figura attiva, 1
Fine macro
