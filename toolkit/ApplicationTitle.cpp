// SPDX-License-Identifier: MIT
#include "ApplicationTitle.h"

namespace brivmemo {

namespace {

QString &title()
{
    static QString value;
    return value;
}

} // namespace

QString applicationTitle()
{
    return title();
}

void setApplicationTitle(const QString &newTitle)
{
    title() = newTitle;
}

} // namespace brivmemo
