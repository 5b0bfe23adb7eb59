#pragma once

#include <chrono>
#include <optional>

namespace targello {

// When a changed page's next recovery copy is due: 2 seconds after the user
// stops editing, and while the edits go on, no later than 30 seconds after
// the first edit the last copy lacks. A page whose copy holds every edit has
// nothing due. The window asks after each edit and after each copy, and
// sets its timer to the answer.
class AutosaveSchedule {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds Quiet{2};
    static constexpr std::chrono::seconds Longest{30};

    // An edit reached the page at `now`.
    void Edited(Clock::time_point now);
    // A copy holding every edit so far was written, or the page was saved.
    void Written();
    // A copy could not be written: the next attempt waits a full period, so
    // that a folder that cannot be written does not cost every keystroke.
    void Failed(Clock::time_point now);

    std::optional<Clock::time_point> Due() const;
    bool IsDue(Clock::time_point now) const;

private:
    std::optional<Clock::time_point> firstUnwritten_;
    Clock::time_point lastEdit_;
    std::optional<Clock::time_point> retryAt_;
};

} // namespace targello
