#pragma once

#include <algorithm>

namespace lunaplan {

// No text is fitted smaller than this: below it Japanese is no longer legible.
constexpr int SmallestFittedPixels = 6;

// The largest pixel size from smallest to largest for which fits(size) holds,
// or smallest when none does; fits holds for every size below one it holds
// for. Every size tried loads a font engine, the costly part of fitting text,
// so the search starts from a guess (text grows with the pixel size in a way
// the caller can estimate from one measurement) and walks from there.
template <typename Fits> int largestFittingSize(int guess, int smallest, int largest, Fits fits)
{
    int pixels = std::clamp(guess, smallest, std::max(smallest, largest));
    if (fits(pixels)) {
        while (pixels < largest && fits(pixels + 1))
            ++pixels;
        return pixels;
    }
    while (pixels > smallest && !fits(--pixels)) {
    }
    return pixels;
}

} // namespace lunaplan
