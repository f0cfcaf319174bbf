// SPDX-License-Identifier: MIT
// The loading bracket of a window with a bitmap list, as a stored window is loaded: the list
// "MMBitmapList1" and the controls are in the loading state while the controls are created,
// the list reads its pictures from the embedded list stream and the controls are pointed at
// it; only then do the list and the controls, in their order, leave the loading state.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QObject;

namespace brivmemo {

class TComponentStateHolder;
class TMMBitmapList;

// createControls builds the window's controls and returns those that are loading, in the
// order they are to hear Loaded(); resolveReferences points them at the list once it holds
// its pictures. A list stream that cannot be read is shown in the standard error box and
// leaves the list empty; the window is built all the same. The list belongs to the owner.
TMMBitmapList *buildInLoadingBracket(QObject &owner, const QString &listResource,
    const std::function<std::vector<TComponentStateHolder *>()> &createControls,
    const std::function<void(TMMBitmapList &)> &resolveReferences);

} // namespace brivmemo
