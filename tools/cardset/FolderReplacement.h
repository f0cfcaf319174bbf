// SPDX-License-Identifier: MIT
// Puts a folder in place whole or not at all: its files are written into a new folder beside it,
// which then takes its place, so that a failure on the way leaves the folder as it was.
#pragma once

#include <QString>
#include <functional>

namespace brivmemo::cardtool {

enum class Existing { Refuse, Replace };

// Throws CardSetError when target is a file, or a folder that exists and existing is Refuse.
void checkTarget(const QString &target, Existing existing);

// Writes the folder at target through fill, which is given the new folder to write into and
// throws to give up. A target that exists is refused (CardSetError) unless existing is Replace.
// Throws WriteFailure when a folder cannot be made or moved, and what fill throws; in every case
// the new folder is removed again and the target is left as it was.
void replaceFolder(
    const QString &target, Existing existing, const std::function<void(const QString &)> &fill);

} // namespace brivmemo::cardtool
