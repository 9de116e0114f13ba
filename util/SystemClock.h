#pragma once
// The Clock seam reading the computer's clock in local time.

#include "util/Clock.h"

namespace folianto::util {

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

const SystemClock& systemClock();

} // namespace folianto::util
