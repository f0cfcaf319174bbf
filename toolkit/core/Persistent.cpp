// SPDX-License-Identifier: MIT
#include "Persistent.h"

#include "Exceptions.h"

namespace brivmemo {

void TPersistent::Assign(const TPersistent *source)
{
    if (source == nullptr)
        throw EConvertError("nil", ClassName());
    source->AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent &destination) const
{
    throw EConvertError(ClassName(), destination.ClassName());
}

} // namespace brivmemo
