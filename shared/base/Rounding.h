#pragma once

#include <cstdint>

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), as the
// player's pixel and twip conversions and its numeric reads require.
std::int64_t lngRoundHalfEven(double value);
