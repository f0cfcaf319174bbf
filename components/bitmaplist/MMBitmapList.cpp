// SPDX-License-Identifier: MIT
#include "MMBitmapList.h"

#include "BlockPacker.h"
#include "Exceptions.h"
#include "MMObsrv.h"
#include "MemoryStream.h"

#include <stdexcept>

namespace brivmemo {

namespace {

// Raises a counter for the length of a scope and lowers it on every way out.
class RaisedCounter {
public:
    explicit RaisedCounter(int &counter)
        : counter_(counter)
    {
        ++counter_;
    }
    ~RaisedCounter() { --counter_; }
    RaisedCounter(const RaisedCounter &) = delete;
    RaisedCounter &operator=(const RaisedCounter &) = delete;

private:
    int &counter_;
};

// Runs body inside BeginUpdate/EndUpdate; the batch is closed also when body fails.
template<typename Body> void inBatch(TMMBitmapList &list, Body body)
{
    list.BeginUpdate();
    try {
        body();
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

} // namespace

TMMBitmapList::TMMBitmapList(QObject *owner)
    : TMMNonVisualComponent(owner)
    , observable_(std::make_unique<TMMObservable>())
{ }

TMMBitmapList::~TMMBitmapList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    try {
        Clear();
    } catch (...) {
        // A destructor cannot pass an observer's failure on; the list goes away regardless.
    }
    items_.clear();
    observable_.reset();
}

void TMMBitmapList::checkIndex(int index, int highest)
{
    if (index < 0 || index > highest)
        throw EListError(index);
}

TBitmap *TMMBitmapList::Bitmaps(int index)
{
    checkIndex(index, Count() - 1);
    return items_[static_cast<std::size_t>(index)].get();
}

int TMMBitmapList::Add(const TBitmap &bitmap)
{
    const int index = Count();
    Insert(index, bitmap);
    return index;
}

void TMMBitmapList::Insert(int index, const TBitmap &bitmap)
{
    Changing();
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&bitmap);
    insertOwned(index, std::move(copy));
    Changed();
}

void TMMBitmapList::insertOwned(int index, std::unique_ptr<TBitmap> bitmap)
{
    checkIndex(index, Count());
    bitmap->OnChange = [this](TObject *sender) { BitmapChangedHandler(sender); };
    items_.insert(items_.begin() + index, std::move(bitmap));
}

void TMMBitmapList::Delete(int index)
{
    Changing();
    checkIndex(index, Count() - 1);
    items_.erase(items_.begin() + index);
    Changed();
}

void TMMBitmapList::Clear()
{
    inBatch(*this, [this] {
        for (int i = Count() - 1; i >= 0; --i)
            Delete(i);
    });
}

void TMMBitmapList::AddList(const TMMBitmapList &source)
{
    inBatch(*this, [this, &source] {
        // The count is taken once, so adding a list to itself doubles it.
        const int count = source.Count();
        for (int i = 0; i < count; ++i)
            Add(*source.items_[static_cast<std::size_t>(i)]);
    });
}

void TMMBitmapList::SetBitmap(int index, std::unique_ptr<TBitmap> bitmap)
{
    if (!bitmap)
        throw std::invalid_argument("TMMBitmapList::SetBitmap needs a bitmap");
    Changing();
    checkIndex(index, Count() - 1);
    bitmap->OnChange = [this](TObject *sender) { BitmapChangedHandler(sender); };
    items_[static_cast<std::size_t>(index)] = std::move(bitmap);
    Changed();
}

void TMMBitmapList::Assign(const TPersistent *source)
{
    if (source == nullptr) {
        Clear();
        return;
    }
    const auto *list = dynamic_cast<const TMMBitmapList *>(source);
    if (list == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    // Clearing first would empty the source as well.
    if (list == this)
        return;
    inBatch(*this, [this, list] {
        Clear();
        AddList(*list);
        compressed_ = list->compressed_;
    });
}

void TMMBitmapList::AddObserver(TMMObserver *observer)
{
    observable_->AddObserver(observer);
}

void TMMBitmapList::RemoveObserver(TMMObserver *observer)
{
    if (observable_)
        observable_->RemoveObserver(observer);
}

void TMMBitmapList::BeginUpdate()
{
    if (updateCount_ == 0)
        SetUpdateState(true);
    ++updateCount_;
}

void TMMBitmapList::EndUpdate()
{
    --updateCount_;
    if (updateCount_ == 0)
        SetUpdateState(false);
}

void TMMBitmapList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

void TMMBitmapList::Changing()
{
    const TNotifyEvent handler = OnChanging;
    if (updateCount_ == 0 && handler)
        handler(this);
}

void TMMBitmapList::Changed()
{
    if (updateCount_ != 0)
        return;
    // Changes made while the observers and OnChange react are not broadcast again.
    const RaisedCounter quiet(updateCount_);
    observable_->NotifyObservers(this);
    const TNotifyEvent handler = OnChange;
    if (handler)
        handler(this);
}

void TMMBitmapList::BitmapChangedHandler(TObject * /*sender*/)
{
    Changed();
}

std::unique_ptr<TBitmap> TMMBitmapList::readItem(TStream &stream, bool packed)
{
    auto bitmap = std::make_unique<TBitmap>();
    if (packed) {
        TMemoryStream image;
        UnpackStream(stream, image);
        bitmap->loadFromBytes(image.bytes());
        return bitmap;
    }
    const std::int32_t length = stream.readInt32();
    if (length < 0 || static_cast<std::size_t>(length) > stream.remaining())
        throw EReadError();
    std::vector<std::uint8_t> image(static_cast<std::size_t>(length));
    stream.readBuffer(image.data(), image.size());
    bitmap->loadFromBytes(image);
    return bitmap;
}

void TMMBitmapList::ReadListItems(TStream &stream)
{
    inBatch(*this, [this, &stream] {
        Clear();
        std::array<char, 4> magic {};
        stream.readBuffer(magic.data(), magic.size());
        const bool packed = magic == kPackedListMagic;
        if (!packed && magic != kPlainListMagic)
            throw EInvalidBitmapListStream();
        const std::int32_t count = stream.readInt32();
        for (std::int32_t i = 0; i < count; ++i) {
            // Each item is decoded into a bitmap of its own that the list then keeps, so a
            // large picture is never held twice.
            auto bitmap = readItem(stream, packed);
            Changing();
            insertOwned(Count(), std::move(bitmap));
            Changed();
        }
    });
}

void TMMBitmapList::WriteListItems(TStream &stream)
{
    stream.write((compressed_ ? kPackedListMagic : kPlainListMagic).data(), kPlainListMagic.size());
    stream.writeInt32(Count());
    for (int i = 0; i < Count(); ++i) {
        const auto image = Bitmaps(i)->toBytes();
        const auto length = static_cast<std::int32_t>(image.size());
        if (compressed_) {
            TMemoryStream source(image);
            PackStream(source, stream, length);
        } else {
            stream.writeInt32(length);
            stream.write(image.data(), image.size());
        }
    }
}

void TMMBitmapList::LoadListItems(std::span<const std::uint8_t> bytes)
{
    TMemoryStream stream(bytes);
    ReadListItems(stream);
}

} // namespace brivmemo
