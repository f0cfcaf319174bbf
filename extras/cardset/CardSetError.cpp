// SPDX-License-Identifier: MIT
#include "CardSetError.h"

#include <utility>

namespace brivmemo::cardset {

CardSetError::CardSetError(QString file, QString reason)
    : std::runtime_error((file.isEmpty() ? reason : file + QStringLiteral(": ") + reason).toStdString())
    , file_(std::move(file))
    , reason_(std::move(reason))
{ }

QString CardSetError::message() const
{
    return QString::fromStdString(what());
}

} // namespace brivmemo::cardset
