#include "util/SystemClock.h"

namespace folianto::util {

namespace {
const Clock* g_current = nullptr;
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

const SystemClock& systemClock()
{
    static const SystemClock instance;
    return instance;
}

const Clock& clock()
{
    return g_current ? *g_current : systemClock();
}

void setClock(const Clock* instance)
{
    g_current = instance == &systemClock() ? nullptr : instance;
}

} // namespace folianto::util
