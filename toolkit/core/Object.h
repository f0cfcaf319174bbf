// SPDX-License-Identifier: MIT
// The plain root of the component library's objects: it knows its class name, which the
// copy errors quote, and it is what change events and broadcasts pass around.
#pragma once

#include <functional>

namespace brivmemo {

class TObject {
public:
    TObject() = default;
    TObject(const TObject &) = delete;
    TObject &operator=(const TObject &) = delete;
    virtual ~TObject() = default;

    virtual const char *ClassName() const { return "TObject"; }
};

// An event that tells who sent it and nothing else.
using TNotifyEvent = std::function<void(TObject *sender)>;

} // namespace brivmemo
