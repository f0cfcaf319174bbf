// SPDX-License-Identifier: MIT
#include "Exceptions.h"

#include <cctype>

namespace brivmemo {

namespace {

// Marks a text for the translators' tool, which files it under the class of the function it
// stands in; the text itself is the program's.
constexpr const char *translatable(const char *text)
{
    return text;
}

} // namespace

const char *Exception::englishText(Message message)
{
    switch (message) {
    case Message::StreamRead:
        return translatable("Stream read error");
    case Message::InvalidBitmapListStream:
        return translatable("Invalid BitmapList stream");
    case Message::ListIndexOutOfBounds:
        return translatable("List index out of bounds (%1)");
    case Message::InvalidGraphic:
        return translatable("Bitmap image is not valid");
    case Message::CannotAssign:
        return translatable("Cannot assign a %1 to a %2");
    case Message::Lzrw:
        return translatable("LZRW Error!");
    case Message::NoParentWindow:
        return translatable("Control '%1' has no parent window");
    case Message::CreatingFile:
        return translatable("Input/output error while creating \"%1\": %2");
    case Message::OpeningFile:
        return translatable("Input/output error while opening \"%1\": %2");
    case Message::ReadingFile:
        return translatable("Input/output error while reading \"%1\": %2");
    case Message::WritingFile:
        return translatable("Input/output error while writing \"%1\": %2");
    case Message::ClosingFile:
        return translatable("Input/output error while closing \"%1\": %2");
    case Message::FileTooShort:
        return translatable("Input/output error while reading \"%1\": the file holds fewer than %2 bytes");
    }
    return "";
}

Exception::Exception(Message message, std::vector<std::string> arguments)
    : std::runtime_error(withArguments(englishText(message), arguments))
    , messageText_(englishText(message))
    , arguments_(std::move(arguments))
{ }

Exception::Exception(const std::string &text)
    : std::runtime_error(text)
{ }

std::string withArguments(const std::string &text, const std::vector<std::string> &arguments)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto digit = [&text](std::size_t at) {
            return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0;
        };
        if (text[i] == '%' && digit(i + 1)) {
            std::size_t end = i + 1;
            while (digit(end))
                ++end;
            const std::size_t number = std::stoul(text.substr(i + 1, end - i - 1));
            if (number >= 1 && number <= arguments.size()) {
                filled += arguments[number - 1];
                i = end - 1;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

EReadError::EReadError()
    : EStreamError(Message::StreamRead)
{ }

EInvalidBitmapListStream::EInvalidBitmapListStream()
    : EStreamError(Message::InvalidBitmapListStream)
{ }

EListError::EListError(int index)
    : Exception(Message::ListIndexOutOfBounds, {std::to_string(index)})
{ }

EInvalidGraphic::EInvalidGraphic()
    : Exception(Message::InvalidGraphic)
{ }

EConvertError::EConvertError(const std::string &sourceClass, const std::string &targetClass)
    : Exception(Message::CannotAssign, {sourceClass, targetClass})
{ }

ELzrwError::ELzrwError()
    : Exception(Message::Lzrw)
{ }

} // namespace brivmemo
