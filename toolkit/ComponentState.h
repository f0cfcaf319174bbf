// SPDX-License-Identifier: MIT
// The states a component passes through: being built by its window (loading, reading its
// stored values), being destroyed, or shown in a designer. Components skip work that makes no
// sense in those states, such as resizing to a picture while the window is still being built.
// The program never sets the design state.
#pragma once

#include <QFlags>

namespace brivmemo {

enum class TComponentStateFlag : unsigned {
    Loading = 0x1,
    Reading = 0x2,
    Destroying = 0x4,
    Designing = 0x8,
};
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)

// Kept by the component roots. A window calls beginLoading on each component it creates and
// Loaded on each once all of them exist; a component's destructor calls Destroying first.
class TComponentStateHolder {
public:
    TComponentState componentState() const { return state_; }
    // True when any of the given states is set.
    bool inComponentState(TComponentState states) const { return state_.testAnyFlags(states); }
    void addComponentState(TComponentState states) { state_ |= states; }
    void removeComponentState(TComponentState states) { state_ &= ~states; }

    void beginLoading() { addComponentState({TComponentStateFlag::Loading, TComponentStateFlag::Reading}); }
    virtual void Loaded()
    {
        removeComponentState({TComponentStateFlag::Loading, TComponentStateFlag::Reading});
    }
    void Destroying() { addComponentState(TComponentStateFlag::Destroying); }

protected:
    TComponentStateHolder() = default;
    TComponentStateHolder(const TComponentStateHolder &) = default;
    TComponentStateHolder &operator=(const TComponentStateHolder &) = default;
    ~TComponentStateHolder() = default;

private:
    TComponentState state_;
};

} // namespace brivmemo

Q_DECLARE_OPERATORS_FOR_FLAGS(brivmemo::TComponentState)
