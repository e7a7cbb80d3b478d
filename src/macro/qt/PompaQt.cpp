#include "macro/qt/PompaQt.h"

#include <QCoreApplication>
#include <thread>

namespace vellora {

namespace {
// Further behind than this, the previous turn belonged to another pause (a
// command ran in between): the schedule starts again from now rather than
// skipping the waits to catch up.
constexpr std::chrono::milliseconds RitardoMassimo{2};
} // namespace

void PompaQt::Turno()
{
    const auto inizio = std::chrono::steady_clock::now();
    if (inizio - fine_ > RitardoMassimo)
        fine_ = inizio;
    fine_ += DurataTurno;
    QCoreApplication::processEvents();
    // A sleep wakes late by the kernel's timer slack, some 50 us, half a
    // turn; waiting for a point of the schedule lets the next turn wait that
    // much less.
    std::this_thread::sleep_until(fine_);
}

} // namespace vellora
