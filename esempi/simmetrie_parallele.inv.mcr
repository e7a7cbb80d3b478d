Inizio macro
Figura attiva, 5
Elimina
Pausa
Figura attiva, 4
Elimina
Figura attiva, 3
Fine macro
