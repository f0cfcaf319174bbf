// SPDX-License-Identifier: MIT
#include "NameFieldValidator.h"

#include "Cp1252.h"

#include <limits>
#include <string>

namespace brivmemo {

namespace {

// The text as the settings file keeps it, whatever its length.
QString asKept(const QString &text)
{
    const std::string bytes = utf8ToCp1252(text.toStdString(), std::numeric_limits<std::size_t>::max());
    return QString::fromStdString(
        cp1252ToUtf8({reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()}));
}

} // namespace

QValidator::State NameFieldValidator::validate(QString &input, int &position) const
{
    const QString kept = asKept(input);
    if (kept != input) {
        // A letter made of two UTF-16 units becomes one "?": the cursor stays after it.
        position = static_cast<int>(asKept(input.left(position)).size());
        input = kept;
    }
    return LengthLimitValidator::validate(input, position);
}

} // namespace brivmemo
