Inizio macro
Omotetia,  117,  0,  0
