// SPDX-License-Identifier: MIT
// A file or folder that cannot be written, as against input that is refused: the tool answers
// the two with different exit codes.
#pragma once

#include "CardSetError.h"

namespace brivmemo::cardtool {

class WriteFailure : public cardset::CardSetError {
public:
    using CardSetError::CardSetError;
};

} // namespace brivmemo::cardtool
