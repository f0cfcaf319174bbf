// SPDX-License-Identifier: MIT
// TBriUrlImage: a picture with a web address. The pointer turns into a pointing hand over it,
// and a click hands the address to the desktop, which opens it with the program the user has
// chosen for it. Also the numbers of the five hand cursors.
#pragma once

#include "Image.h"

#include <QString>
#include <QUrl>
#include <functional>

namespace brivmemo {

inline constexpr int crBriHandPoint = 15000;
inline constexpr int crBriSmallHandPoint = 15001;
inline constexpr int crBriGrabHand = 15002;
inline constexpr int crBriGrabHandArrow = 15003;
inline constexpr int crBriDragHand = 15004;

// Opens an address with the desktop's "open"; true when the desktop took it.
using UrlOpener = std::function<bool(const QUrl &url)>;

// Replaces the way addresses are opened (tests use this, so that nothing is started) and
// returns the way that was set before. An empty opener opens through QDesktopServices again.
UrlOpener setUrlOpener(UrlOpener opener);

class TBriUrlImage : public TImage {
    Q_OBJECT

public:
    // Shows cursor crBriHandPoint.
    explicit TBriUrlImage(QWidget *parent = nullptr);

    QString URL() const { return url_; }
    // Only stores the address.
    void SetURL(const QString &url) { url_ = url; }

    // Tells clicked first, then opens URL, unless it is empty. Whether the desktop could open
    // it is not looked at. An image outside any window cannot name the window to open it from
    // and fails with "Control '%s' has no parent window".
    void Click() override;

private:
    QString url_;
};

} // namespace brivmemo
