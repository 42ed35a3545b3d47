// The time on a puzzle.
#include "progress/play_timer.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace xs {

TPlayTimer::TPlayTimer(TMonotonicClock clock) : Clock_(std::move(clock)) {}

bool TPlayTimer::Running() const {
    return Shown_ && Active_ && Clock_() - LastActivity_ < kIdleMillis;
}

std::int64_t TPlayTimer::Counted() const {
    if (!Shown_ || !Active_) return Banked_;
    // The stretch counts up to the idle limit after the last key or click.
    const std::int64_t end = std::min(Clock_(), LastActivity_ + kIdleMillis);
    return Banked_ + std::max<std::int64_t>(0, end - StretchStart_);
}

void TPlayTimer::Bank() {
    Banked_ = Counted();
    StretchStart_ = Clock_();
}

void TPlayTimer::Show(std::int64_t counted) {
    Banked_ = std::max<std::int64_t>(0, counted);
    Shown_ = true;
    StretchStart_ = LastActivity_ = Clock_();
}

void TPlayTimer::Hide() {
    Bank();
    Shown_ = false;
}

void TPlayTimer::SetWindowActive(bool active) {
    if (active == Active_) return;
    Bank();
    Active_ = active;
    // Coming back to the window is a sign of life.
    if (active) StretchStart_ = LastActivity_ = Clock_();
}

void TPlayTimer::Activity() {
    // After an idle pause the stretch before it is kept and a new one starts now.
    if (Clock_() - LastActivity_ >= kIdleMillis) Bank();
    LastActivity_ = Clock_();
}

void TPlayTimer::Reset() {
    Banked_ = 0;
    StretchStart_ = LastActivity_ = Clock_();
}

const char* FormatPlayTime(std::int64_t millis, char (&buffer)[24]) {
    const long long seconds = std::max<std::int64_t>(0, millis) / 1000;
    const long long h = seconds / 3600;
    const long long m = seconds / 60 % 60;
    const long long s = seconds % 60;
    if (h > 0)
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", h, m, s);
    else
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld", m, s);
    return buffer;
}

}  // namespace xs
