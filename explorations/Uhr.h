#pragma once
// Time and waiting for the animations. The clock is replaceable so that tests run an
// animation without real waits and can watch every frame.

#include <cstdint>
#include <functional>
#include <memory>

class Uhr {
public:
    virtual ~Uhr();
    // A millisecond tick counter; it may wrap around 2^32.
    virtual std::uint32_t Millisekunden() = 0;
    // One round of the toolkit's event processing: handles what is pending (painting, input,
    // timers) and, if nothing is, sleeps until something arrives or hoechstens_ms have passed.
    virtual void Ereignisse_abwarten(std::uint32_t hoechstens_ms) = 0;
};

Uhr& uhr();
// Takes ownership; a null pointer puts the system clock back.
void Uhr_setzen(std::unique_ptr<Uhr> u);

// Processes the window's events until ms milliseconds have passed on uhr(), the difference of
// two readings taken modulo 2^32 so that a wrap of the counter does not matter. The time is
// tested before the first round, so Warten(0) returns at once without processing anything.
// Returns false as soon as `abbrechen` (tested after every round) says so, true otherwise.
bool Warten(int ms, const std::function<bool()>& abbrechen = {});
