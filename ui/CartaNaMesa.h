// SPDX-License-Identifier: MIT
// A card place of the main window as the engine sees it: the picture control of the place,
// known to the engine only by its Tag. It keeps the picture control free of game code.
#pragma once

#include "JanelaJogo.h"
#include "MMBitmapListImage.h"

class TCartaNaMesa final : public brivmemo::TControleCarta {
public:
    explicit TCartaNaMesa(brivmemo::TMMBitmapListImage &image)
        : image_(&image)
    { }

    int Tag() const override { return image_->Tag(); }
    brivmemo::TMMBitmapListImage &image() const { return *image_; }

private:
    brivmemo::TMMBitmapListImage *image_;
};
