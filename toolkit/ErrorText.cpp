// SPDX-License-Identifier: MIT
#include "ErrorText.h"

#include "Exceptions.h"

#include <QCoreApplication>

namespace brivmemo {

QString errorText(const std::exception &error)
{
    const auto *own = dynamic_cast<const Exception *>(&error);
    if (own == nullptr || own->messageText() == nullptr)
        return QString::fromUtf8(error.what());
    const QString translated = QCoreApplication::translate("brivmemo::Exception", own->messageText());
    return QString::fromStdString(withArguments(translated.toStdString(), own->arguments()));
}

} // namespace brivmemo
