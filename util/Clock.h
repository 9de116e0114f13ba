#pragma once
// Today and the time of day, replaceable so dates and the alarm can be tested.

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace folianto::util {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    QTime timeOfDay() const { return now().time(); }
};

const Clock& clock();
void setClock(const Clock* instance); // nullptr restores the system clock

} // namespace folianto::util
