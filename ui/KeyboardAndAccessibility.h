// SPDX-License-Identifier: MIT
// Opens the main window to people who play without a mouse or with a screen reader: keyboard
// play on the card table, the table and its places described for accessibility tools, and
// the player boxes telling whose turn it is.
#pragma once

class TForm1;

// Once, when the window's table and player boxes exist.
void addKeyboardAndAccessibility(TForm1 &form);
