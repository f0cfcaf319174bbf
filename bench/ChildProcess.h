// SPDX-License-Identifier: MIT
// Runs a program to its end and reports how long that took and how much memory it held at most.
#pragma once

#include <string>
#include <vector>

struct ChildRun {
    double milliseconds = 0;
    double peakMebibytes = 0;
};

// Starts the program with the arguments in the current directory and the current environment,
// and waits for it. Throws std::runtime_error when it cannot be started or does not end with
// status 0.
ChildRun runToEnd(const std::string &program, const std::vector<std::string> &arguments = {});
