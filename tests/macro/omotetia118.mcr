Inizio macro
Omotetia,  118,  0,  0
