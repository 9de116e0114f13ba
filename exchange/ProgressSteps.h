#pragma once
// Turns "one more row done" into a percentage for a progress bar, calling back only when the
// percentage changes, so a loop over 100,000 rows does not repaint 100,000 times. Steps past
// the total stay at 100.

#include <algorithm>
#include <functional>

namespace folianto::exchange {

using Progress = std::function<void(int percent)>;

class ProgressSteps {
public:
    ProgressSteps(const Progress& progress, long long total) : progress_(progress), total_(total) {}
    void advance()
    {
        ++done_;
        if (!progress_ || total_ <= 0)
            return;
        const int percent = int(std::min<long long>(100, done_ * 100 / total_));
        if (percent != last_) {
            last_ = percent;
            progress_(percent);
        }
    }

private:
    const Progress& progress_;
    long long total_;
    long long done_ = 0;
    int last_ = -1;
};

} // namespace folianto::exchange
