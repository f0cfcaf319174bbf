// SPDX-License-Identifier: MIT
#include "MMObsrv.h"

#include <algorithm>

namespace brivmemo {

TMMObserver::~TMMObserver()
{
    if (observable_ != nullptr)
        observable_->RemoveObserver(this);
}

void TMMObserver::Update(TObject *data)
{
    // A copy, so that the handler may destroy this observer or replace its handler.
    const TNotifyHandler handler = OnNotify;
    if (handler)
        handler(this, data);
}

TMMObservable::~TMMObservable()
{
    while (!observers_.empty())
        RemoveObserver(observers_.back().observer);
}

void TMMObservable::AddObserver(TMMObserver *observer)
{
    if (observer == nullptr)
        return;
    if (observer->observable_ != nullptr)
        observer->observable_->RemoveObserver(observer);
    observers_.push_back({observer, nextSerial_++});
    observer->observable_ = this;
}

void TMMObservable::RemoveObserver(TMMObserver *observer)
{
    if (observer == nullptr || observer->observable_ != this)
        return;
    std::erase_if(observers_, [observer](const Attachment &entry) { return entry.observer == observer; });
    observer->observable_ = nullptr;
}

void TMMObservable::NotifyObservers(TObject *data)
{
    // Handlers may attach, detach or destroy observers; the broadcast keeps to the list as it
    // was when it began and skips whoever has left it since.
    const std::vector<Attachment> snapshot = observers_;
    for (std::size_t i = snapshot.size(); i-- > 0;) {
        if (isAttached(snapshot[i]))
            snapshot[i].observer->Update(data);
    }
}

std::vector<TMMObserver *> TMMObservable::Observers() const
{
    std::vector<TMMObserver *> result;
    result.reserve(observers_.size());
    for (const Attachment &entry : observers_)
        result.push_back(entry.observer);
    return result;
}

bool TMMObservable::isAttached(const Attachment &attachment) const
{
    return std::any_of(observers_.begin(), observers_.end(), [&attachment](const Attachment &entry) {
        return entry.observer == attachment.observer && entry.serial == attachment.serial;
    });
}

} // namespace brivmemo
