#!/usr/bin/env python3
"""Start-up of Vellora against a bare Qt main window with a menu bar, as whole
processes alternating in the same run: median wall time and median peak
memory of each, and their ratios. Measured twice: each program ending as soon
as its window is up, and each ending once its window's first frame is
painted.

    python3 bench/avvio.py [BUILD_DIR] [ROUNDS]
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
giri = int(sys.argv[2]) if len(sys.argv) > 2 else 21
programmi = {
    "nuda": os.path.join(build, "bench", "finestra_nuda"),
    "vellora": os.path.join(build, "vellora"),
}


def misura(programma, modo):
    env = dict(os.environ, VELLORA_ESCI_DOPO_AVVIO=modo)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    inizio = time.perf_counter()
    figlio = subprocess.Popen([programma], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, stato, uso = os.wait4(figlio.pid, 0)
    durata = time.perf_counter() - inizio
    if stato != 0:
        sys.exit(f"{programma}: esito {stato}")
    return durata, uso.ru_maxrss


for modo, titolo in (("1", "finestra pronta"), ("dipinta", "primo fotogramma dipinto")):
    misure = {nome: [] for nome in programmi}
    for _ in range(giri):
        for nome, programma in programmi.items():
            misure[nome].append(misura(programma, modo))
    mediane = {k: (statistics.median(t for t, _ in v), statistics.median(m for _, m in v)) for k, v in misure.items()}
    print(f"{titolo}:")
    for nome, (t, m) in mediane.items():
        print(f"  {nome:8} {t * 1000:6.1f} ms {m:7d} KiB")
    (nt, nm), (vt, vm) = mediane["nuda"], mediane["vellora"]
    print(f"  rapporto: tempo {vt / nt:.2f}, memoria {vm / nm:.2f}")
