// SPDX-License-Identifier: MIT
// A bitmap list whose events and observers write into one log, and small distinct pictures.
#pragma once

#include "MMBitmapList.h"
#include "MMObsrv.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace brivmemo::testing {

using Log = std::vector<std::string>;

// A picture whose first pixel holds the tag, so entries can be told apart.
inline std::unique_ptr<TBitmap> taggedBitmap(std::uint8_t tag, PixelFormat format = PixelFormat::Bits24)
{
    auto bitmap = std::make_unique<TBitmap>();
    if (isIndexed(format)) {
        std::vector<TColor> palette(std::size_t {1} << bitsPerPixel(format));
        for (std::size_t i = 0; i < palette.size(); ++i)
            palette[i] = static_cast<TColor>(i * 0x010101);
        bitmap->setPalette(palette);
    }
    bitmap->create(format, 3 + tag % 5, 2 + tag % 3);
    bitmap->setPixelValue(0, 0, tag);
    return bitmap;
}

inline std::uint32_t tagOf(TBitmap &bitmap)
{
    return bitmap.pixelValue(0, 0);
}

class LoggedList : public ::testing::Test {
protected:
    LoggedList()
    {
        list.OnChanging = [this](TObject *sender) {
            EXPECT_EQ(sender, &list);
            log.push_back("changing");
        };
        list.OnChange = [this](TObject *sender) {
            EXPECT_EQ(sender, &list);
            log.push_back("change");
        };
    }

    TMMObserver &observe(const std::string &name)
    {
        auto observer = std::make_unique<TMMObserver>();
        observer->OnNotify = [this, name](TMMObserver *, TObject *data) {
            EXPECT_EQ(data, &list);
            log.push_back(name);
        };
        observers.push_back(std::move(observer));
        list.AddObserver(observers.back().get());
        return *observers.back();
    }

    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            list.Add(*taggedBitmap(static_cast<std::uint8_t>(i)));
        log.clear();
    }

    std::vector<std::uint32_t> tags()
    {
        std::vector<std::uint32_t> result;
        for (int i = 0; i < list.Count(); ++i)
            result.push_back(tagOf(*list.Bitmaps(i)));
        return result;
    }

    // The list goes first and still tells its observers, which write into the log.
    Log log;
    std::vector<std::unique_ptr<TMMObserver>> observers;
    TMMBitmapList list;
};

} // namespace brivmemo::testing
