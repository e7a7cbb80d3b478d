Inizio macro
Figura attiva, 3
Omotetia, 1E+03, 0, 0
Vertice attivo, 4, 1
Traslazione, 1,1
