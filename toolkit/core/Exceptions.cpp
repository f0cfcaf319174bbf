// SPDX-License-Identifier: MIT
#include "Exceptions.h"

namespace brivmemo {

EReadError::EReadError()
    : EStreamError("Stream read error")
{ }

EInvalidBitmapListStream::EInvalidBitmapListStream()
    : EStreamError("Invalid BitmapList stream")
{ }

EListError::EListError(int index)
    : Exception("List index out of bounds (" + std::to_string(index) + ")")
{ }

EInvalidGraphic::EInvalidGraphic()
    : Exception("Bitmap image is not valid")
{ }

EConvertError::EConvertError(const std::string &sourceClass, const std::string &targetClass)
    : Exception("Cannot assign a " + sourceClass + " to a " + targetClass)
{ }

ELzrwError::ELzrwError()
    : Exception("LZRW Error!")
{ }

} // namespace brivmemo
