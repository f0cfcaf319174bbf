// SPDX-License-Identifier: MIT
// Why a card set cannot be used or made: the file concerned and the reason, in words a player
// can act on.
#pragma once

#include <QString>
#include <stdexcept>

namespace brivmemo::cardset {

class CardSetError : public std::runtime_error {
public:
    CardSetError(QString file, QString reason);

    // The path of the file (or folder) at fault; empty when no one file is.
    const QString &file() const { return file_; }
    const QString &reason() const { return reason_; }
    // "FILE: REASON", or the reason alone.
    QString message() const;

private:
    QString file_;
    QString reason_;
};

} // namespace brivmemo::cardset
