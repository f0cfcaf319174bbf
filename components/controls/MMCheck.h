// SPDX-License-Identifier: MIT
// The radio button unit: the button and the caption style it owns.
#pragma once

#include "MMBitmapRadioButton.h"
#include "MMFontStyle.h"
