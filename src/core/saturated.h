// Whole numbers worked out from rows a person may edit, kept within an int.
#pragma once

// value truncated toward zero and held within the int range; a value that is not a number
// gives 0. Converting a float or double outside that range directly is undefined.
int SaturatedInt(double value);
// A pixel worked out from rows: held a million pixels off any screen at most, so the offsets
// added to it later stay within an int too; a value that is not a number gives 0.
int PixelCoordinate(double value);
