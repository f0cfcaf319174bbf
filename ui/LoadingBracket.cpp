// SPDX-License-Identifier: MIT
#include "LoadingBracket.h"

#include "ErrorBox.h"
#include "ListResource.h"
#include "MMBitmapList.h"

namespace brivmemo {

TMMBitmapList *buildInLoadingBracket(QObject &owner, const QString &listResource,
    const std::function<std::vector<TComponentStateHolder *>()> &createControls,
    const std::function<void(TMMBitmapList &)> &resolveReferences)
{
    auto *const list = new TMMBitmapList(&owner);
    list->setObjectName(QStringLiteral("MMBitmapList1"));
    list->beginLoading();
    const std::vector<TComponentStateHolder *> controls = createControls();
    runGuarded([list, &listResource] { loadBitmapListResource(*list, listResource); });
    resolveReferences(*list);
    list->Loaded();
    for (TComponentStateHolder *const control : controls)
        control->Loaded();
    return list;
}

} // namespace brivmemo
