Inizio macro
Figura attiva, 5
Elimina
Pausa
Figura attiva, 4
Elimina
Pausa
Figura attiva, 3
Elimina
Figura attiva, 2
Fine macro
