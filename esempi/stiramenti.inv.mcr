Inizio macro
Figura attiva, 4
Elimina
Pausa
Figura attiva, 3
Elimina
Figura attiva, 1
Fine macro
