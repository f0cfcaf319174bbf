// SPDX-License-Identifier: MIT
// A small subject/observer pair: a bitmap list tells the controls that draw from it that its
// content changed. The subject broadcasts an object of its owner's choice, newest observer
// first, and each observer hands it to its one handler. Neither side owns the other; an
// observer is attached to at most one subject, and the two links always agree.
#pragma once

#include "Object.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace brivmemo {

class TMMObservable;

class TMMObserver : public TObject {
public:
    using TNotifyHandler = std::function<void(TMMObserver *sender, TObject *data)>;

    TMMObserver() = default;
    // Detaches itself from its subject, if it has one.
    ~TMMObserver() override;

    const char *ClassName() const override { return "TMMObserver"; }

    TMMObservable *Observable() const { return observable_; }

    // Runs OnNotify(this, data) when a handler is set.
    virtual void Update(TObject *data);

    TNotifyHandler OnNotify;

private:
    friend class TMMObservable;

    TMMObservable *observable_ = nullptr;
};

class TMMObservable : public TObject {
public:
    TMMObservable() = default;
    // Detaches every observer, last first; the observers live on.
    ~TMMObservable() override;

    const char *ClassName() const override { return "TMMObservable"; }

    // Detaches the observer from whatever subject it has (this one included), then appends it,
    // so it is the first to be told. A null observer is ignored.
    void AddObserver(TMMObserver *observer);
    // Only an observer attached to this subject is detached; anything else is ignored.
    void RemoveObserver(TMMObserver *observer);
    // Tells every observer, from the last attached to the first. An observer that is detached
    // or destroyed while the others are told is skipped if its turn has not come yet; one
    // attached meanwhile is not told this time.
    void NotifyObservers(TObject *data);

    // The attached observers in the order of attachment.
    std::vector<TMMObserver *> Observers() const;

private:
    struct Attachment {
        TMMObserver *observer;
        // Tells a later attachment apart from an earlier one of the same address.
        std::uint64_t serial;
    };

    bool isAttached(const Attachment &attachment) const;

    std::vector<Attachment> observers_;
    std::uint64_t nextSerial_ = 0;
};

} // namespace brivmemo
