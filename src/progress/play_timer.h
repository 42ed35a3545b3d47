// The time on a puzzle: counts while the solving page shows it in the active window and the
// player is not idle. Plain class; the clock is handed in, so tests drive it by hand.
#pragma once

#include <cstdint>
#include <functional>

namespace xs {

// Milliseconds from any fixed point that only moves forward.
using TMonotonicClock = std::function<std::int64_t()>;

// A pause for thought counts up to this long after the last key or click; beyond it the clock
// stops until the next key or click, and the time in between is not counted.
constexpr std::int64_t kIdleMillis = 2 * 60 * 1000;

class TPlayTimer {
public:
    explicit TPlayTimer(TMonotonicClock clock);

    // The solving page starts showing a puzzle that already has `counted` milliseconds; counting
    // starts now (a key or click counts as now).
    void Show(std::int64_t counted);
    // The page no longer shows it (another page or screen, the puzzle solved, the window closed).
    void Hide();
    // The window became active (true) or inactive or minimised (false).
    void SetWindowActive(bool active);
    // A key or a click on the page.
    void Activity();
    // The puzzle's reset: the count starts again from zero.
    void Reset();

    std::int64_t Counted() const;
    // Whether time is being counted now.
    bool Running() const;
    bool Shown() const { return Shown_; }

private:
    // Moves what the running stretch has counted into Banked_ and starts a new stretch at now.
    void Bank();

    TMonotonicClock Clock_;
    bool Shown_ = false;
    bool Active_ = true;
    std::int64_t Banked_ = 0;
    std::int64_t StretchStart_ = 0;  // when the running stretch began
    std::int64_t LastActivity_ = 0;
};

// "0:07", "12:34", "1:02:03".
const char* FormatPlayTime(std::int64_t millis, char (&buffer)[24]);

}  // namespace xs
