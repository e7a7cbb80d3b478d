Inizio macro
Figura attiva, 3
Elimina
Pausa
Figura attiva, 2
Elimina
Figura attiva, 1
Fine macro
