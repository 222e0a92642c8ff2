#pragma once

#include <functional>

namespace velmora {

// Tells the calendar year now. The closing notice asks it when it is created; tests pass
// their own so they can move the year on.
using YearClock = std::function<int()>;

// The system clock's year in local time.
int systemYear();

} // namespace velmora
