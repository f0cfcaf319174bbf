// SPDX-License-Identifier: MIT
// A statistics file that cannot be opened, written or read, with what the database said.
#pragma once

#include <QString>
#include <stdexcept>

namespace brivmemo::statistics {

class StatisticsError : public std::runtime_error {
public:
    explicit StatisticsError(const QString &message)
        : std::runtime_error(message.toStdString())
    { }
};

} // namespace brivmemo::statistics
