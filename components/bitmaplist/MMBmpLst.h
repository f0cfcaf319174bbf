// SPDX-License-Identifier: MIT
// The bitmap list unit: the list component and the controls that draw from it.
#pragma once

#include "MMBitmapList.h"
#include "MMBitmapListImage.h"
