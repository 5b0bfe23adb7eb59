#include "core/session/AutosaveSchedule.h"

#include <algorithm>

namespace targello {

void AutosaveSchedule::Edited(Clock::time_point now) {
    if (!firstUnwritten_)
        firstUnwritten_ = now;
    lastEdit_ = now;
}

void AutosaveSchedule::Written() {
    firstUnwritten_.reset();
    retryAt_.reset();
}

void AutosaveSchedule::Failed(Clock::time_point now) {
    retryAt_ = now + Longest;
}

std::optional<AutosaveSchedule::Clock::time_point> AutosaveSchedule::Due() const {
    if (!firstUnwritten_)
        return std::nullopt;
    if (retryAt_)
        return *retryAt_;
    return std::min(lastEdit_ + Quiet, *firstUnwritten_ + Longest);
}

bool AutosaveSchedule::IsDue(Clock::time_point now) const {
    const std::optional<Clock::time_point> due = Due();
    return due && now >= *due;
}

} // namespace targello
