Inizio macro
Figura attiva,  9
Fine macro
