// SPDX-License-Identifier: MIT
// The failures of the program, one class per kind. Each carries the message text that the
// standard error box shows to the player, so the texts are fixed and exact.
#pragma once

#include <stdexcept>
#include <string>

namespace brivmemo {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A stream that ends early or holds bytes that do not fit its format.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};

// "Stream read error": a read asked for more bytes than the stream holds.
class EReadError : public EStreamError {
public:
    EReadError();
};

// "Invalid BitmapList stream": a bitmap list stream or packed block that is not well formed.
class EInvalidBitmapListStream : public EStreamError {
public:
    EInvalidBitmapListStream();
};

// "List index out of bounds (%d)".
class EListError : public Exception {
public:
    explicit EListError(int index);
};

// "Bitmap image is not valid".
class EInvalidGraphic : public Exception {
public:
    EInvalidGraphic();
};

// "Cannot assign a %s to a %s".
class EConvertError : public Exception {
public:
    EConvertError(const std::string &sourceClass, const std::string &targetClass);
};

// "LZRW Error!": the block packer could not get its working memory.
class ELzrwError : public Exception {
public:
    ELzrwError();
};

// A file could not be opened, read, written or closed; the message names the file and the step.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

} // namespace brivmemo
