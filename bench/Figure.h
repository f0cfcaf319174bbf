// SPDX-License-Identifier: MIT
// One line of the side-by-side figures: what the game takes next to what the floor, the least
// Qt itself needs for the same work, takes in the same run, and the ratio allowed between them;
// lines without an allowed ratio only explain another.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

struct Figure {
    std::string measure;
    double game = 0;
    double floor = 0;
    std::string unit;
    double allowedRatio = 0;

    double ratio() const { return game / floor; }
    bool judged() const { return allowedRatio > 0; }
    bool met() const { return ratio() <= allowedRatio; }
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
