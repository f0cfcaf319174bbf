// SPDX-License-Identifier: MIT
#include "BriUrl.h"

#include "InvalidOperation.h"
#include "ScreenCursors.h"

#include <QDesktopServices>
#include <utility>

namespace brivmemo {

namespace {

UrlOpener &currentOpener()
{
    static UrlOpener opener;
    return opener;
}

bool openUrl(const QUrl &url)
{
    const UrlOpener opener = currentOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

} // namespace

UrlOpener setUrlOpener(UrlOpener opener)
{
    return std::exchange(currentOpener(), std::move(opener));
}

TBriUrlImage::TBriUrlImage(QWidget *parent)
    : TImage(parent)
{
    setCursorNumber(*this, crBriHandPoint);
}

void TBriUrlImage::Click()
{
    TImage::Click();
    if (url_.isEmpty())
        return;
    if (parentWidget() == nullptr)
        throw EInvalidOperation::parentRequired(objectName());
    openUrl(QUrl::fromUserInput(url_));
}

} // namespace brivmemo
