#include "explorations/Uhr.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <climits>

Uhr::~Uhr() = default;

namespace {

class Systemuhr : public Uhr {
public:
    std::uint32_t Millisekunden() override {
        const auto t = std::chrono::steady_clock::now().time_since_epoch();
        // Only the low 32 bits, like any millisecond tick counter: Warten copes with the wrap.
        return static_cast<std::uint32_t>(
            static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(t).count()));
    }

    // Blocks in the event dispatcher instead of spinning: the timer wakes it at the latest
    // when the rest of the wait is over, any window event earlier.
    void Ereignisse_abwarten(std::uint32_t hoechstens_ms) override {
        QTimer Wecker;
        Wecker.setSingleShot(true);
        Wecker.setTimerType(Qt::PreciseTimer);
        Wecker.start(static_cast<int>(std::min<std::uint32_t>(hoechstens_ms, INT_MAX)));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
};

std::unique_ptr<Uhr>& aktuelle() {
    static std::unique_ptr<Uhr> u = std::make_unique<Systemuhr>();
    return u;
}

}  // namespace

Uhr& uhr() { return *aktuelle(); }

void Uhr_setzen(std::unique_ptr<Uhr> u) { aktuelle() = u ? std::move(u) : std::make_unique<Systemuhr>(); }

bool Warten(int ms, const std::function<bool()>& abbrechen) {
    if (ms <= 0) return true;
    const std::uint32_t Dauer = static_cast<std::uint32_t>(ms);
    const std::uint32_t Beginn = uhr().Millisekunden();
    for (;;) {
        // Unsigned subtraction is modulo 2^32: right across a wrap of the counter.
        const std::uint32_t vergangen = uhr().Millisekunden() - Beginn;
        if (vergangen >= Dauer) return true;
        uhr().Ereignisse_abwarten(Dauer - vergangen);
        if (abbrechen && abbrechen()) return false;
    }
}
