Inizio macro
Figura attiva,  2
Vertice attivo,  3,  2
SimmetriaY,  1
SimmetriaX, -1
SimmetriaO,  .5,  .5
Simmetria,  0,  0,  1,  1
TraslazioneOr,  2
TraslazioneVer, -2
Traslazione,  1.5, -2.5E-03
Rotazione,  30,  0,  0
Omotetia,  2,  1,  1
StiramentoOr,  .5,  0
StiramentoVer,  3,  1
TraslaPianoDestra
TraslaPianoSinistra
TraslaPianoAlto
TraslaPianoBasso
Replica
Elimina
Pausa
PausaLunga,  3
Fine macro
