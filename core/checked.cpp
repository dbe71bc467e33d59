#include "core/checked.h"

#include "core/errors.h"

#include <cmath>
#include <limits>

namespace {

std::int16_t narrow(double value)
{
    // The comparison is false for NaN as well, which is just as out of range.
    if (!(value >= std::numeric_limits<std::int16_t>::min()
            && value <= std::numeric_limits<std::int16_t>::max()))
        throw OverflowError();
    return static_cast<std::int16_t>(value);
}

} // namespace

std::int16_t roundToInt16(double value)
{
    // std::nearbyint follows the current rounding mode, which nothing here
    // changes from round-to-nearest-even; std::round would take halves away
    // from zero.
    return narrow(std::nearbyint(value));
}

std::int16_t multiply16(std::int16_t a, std::int16_t b)
{
    return narrow(static_cast<double>(a) * b);
}

std::int16_t subtract16(std::int16_t a, std::int16_t b)
{
    return narrow(static_cast<double>(a) - b);
}
