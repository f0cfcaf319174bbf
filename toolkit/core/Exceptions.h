// SPDX-License-Identifier: MIT
// The failures of the program, one class per kind. Each carries the message text that the
// standard error box shows to the player, so the texts are fixed and exact; a message of the
// program's own also carries what it is made of, so that the box can show it in the player's
// language.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace brivmemo {

class Exception : public std::runtime_error {
public:
    // The program's own messages; in English, "%1", "%2" ... stand for what each one names.
    enum class Message {
        StreamRead,
        InvalidBitmapListStream,
        ListIndexOutOfBounds,
        InvalidGraphic,
        CannotAssign,
        Lzrw,
        NoParentWindow,
        CreatingFile,
        OpeningFile,
        ReadingFile,
        WritingFile,
        ClosingFile,
        FileTooShort,
    };

    // what() is the English text with the arguments in place of its markers.
    explicit Exception(Message message, std::vector<std::string> arguments = {});
    // A message made elsewhere, shown as it stands in every language.
    explicit Exception(const std::string &text);

    // The English text with its markers, the key of its translations; null for a message made
    // elsewhere.
    const char *messageText() const { return messageText_; }
    const std::vector<std::string> &arguments() const { return arguments_; }

    static const char *englishText(Message message);

private:
    const char *messageText_ = nullptr;
    std::vector<std::string> arguments_;
};

// The text with "%1", "%2" ... replaced by the arguments in one pass, so that an argument that
// holds a marker itself shows as it stands; a marker without its argument stays.
std::string withArguments(const std::string &text, const std::vector<std::string> &arguments);

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
