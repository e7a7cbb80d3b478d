Inizio macro
Figura attiva, 1
PausaLunga, 1
Replica
StiramentoOr, 2, 1
Pausa
Figura attiva, 2
Replica
StiramentoVer, 2, -4
Pausa
StiramentoOr, 2, -5
Pausa
Fine macro
