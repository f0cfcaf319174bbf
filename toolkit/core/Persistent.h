// SPDX-License-Identifier: MIT
// An object that can take over the state of another. Classes that know how to copy a given
// source override Assign (or the source's AssignTo); every other pairing fails with
// "Cannot assign a %s to a %s".
#pragma once

#include "Object.h"

namespace brivmemo {

class TPersistent : public TObject {
public:
    const char *ClassName() const override { return "TPersistent"; }

    // Copies from source; a null source stands for "nil" in the error text.
    virtual void Assign(const TPersistent *source);

protected:
    virtual void AssignTo(TPersistent &destination) const;
};

} // namespace brivmemo
