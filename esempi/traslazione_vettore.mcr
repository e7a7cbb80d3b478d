Inizio macro
Figura attiva, 1
PausaLunga, 1
Figura attiva, 2
Replica
Traslazione, 3, 2
Pausa
Replica
Traslazione, 3, 2
Pausa
Replica
Traslazione, 3, 2
Pausa
Fine macro
