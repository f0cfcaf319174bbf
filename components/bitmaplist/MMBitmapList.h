// SPDX-License-Identifier: MIT
// A non-visual component that owns an ordered list of bitmaps, tells its observers (the
// controls that draw from it) and its OnChange handler of every change, and stores itself as
// the bitmap list stream described in docs/bitmap-list-stream.md.
#pragma once

#include "Bitmap.h"
#include "MMObj.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace brivmemo {

// The first four bytes of a list stream: pictures stored plain, or packed by the block packer.
inline constexpr std::array<char, 4> kPlainListMagic {'M', 'B', 'M', 'L'};
inline constexpr std::array<char, 4> kPackedListMagic {'M', 'B', 'M', 'C'};

class TMMObservable;
class TMMObserver;
class TStream;

class TMMBitmapList : public TMMNonVisualComponent {
    Q_OBJECT

public:
    explicit TMMBitmapList(QObject *owner = nullptr);
    // Tells the observers that the list is now empty, then leaves them detached.
    ~TMMBitmapList() override;

    const char *ClassName() const override { return "TMMBitmapList"; }

    int Count() const { return static_cast<int>(items_.size()); }
    // The entry itself; the list keeps owning it. Its display form is built when it is first
    // painted and kept until it changes. Throws EListError ("List index out of bounds (%d)")
    // for an index outside 0..Count-1.
    virtual TBitmap *Bitmaps(int index);

    // Adds or inserts a private copy of the bitmap; Add returns the new entry's index.
    int Add(const TBitmap &bitmap);
    void Insert(int index, const TBitmap &bitmap);
    void Delete(int index);
    void Clear();
    void AddList(const TMMBitmapList &source);
    // Replaces the entry at the index by the given bitmap, which the list then owns.
    virtual void SetBitmap(int index, std::unique_ptr<TBitmap> bitmap);

    // From another list: its bitmaps and Compressed. From nothing: Clear. Anything else fails
    // with EConvertError.
    void Assign(const TPersistent *source) override;

    void AddObserver(TMMObserver *observer);
    void RemoveObserver(TMMObserver *observer);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // The form WriteListItems writes: packed ("MBMC") when true, plain ("MBML") otherwise.
    bool Compressed() const { return compressed_; }
    void SetCompressed(bool compressed) { compressed_ = compressed; }

    // The stored ListItems property: the list writes it only when it has entries.
    bool HasListItems() const { return Count() > 0; }
    virtual void ReadListItems(TStream &stream);
    // The packed form seeks back over what it has just written.
    virtual void WriteListItems(TStream &stream);
    // Reads a ListItems stream held in memory, such as an embedded resource.
    void LoadListItems(std::span<const std::uint8_t> bytes);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void Changing();
    virtual void Changed();
    virtual void SetUpdateState(bool updating);

private:
    void BitmapChangedHandler(TObject *sender);
    static void checkIndex(int index, int highest);
    void insertOwned(int index, std::unique_ptr<TBitmap> bitmap);
    static std::unique_ptr<TBitmap> readItem(TStream &stream, bool packed);

    std::vector<std::unique_ptr<TBitmap>> items_;
    int updateCount_ = 0;
    std::unique_ptr<TMMObservable> observable_;
    bool compressed_ = false;
};

} // namespace brivmemo
