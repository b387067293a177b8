// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest decimal text that reads back to the same double, exactly as
// std::to_chars(first, last, value) writes it ("93.31", "-22.63244389039297",
// "135", "1e-05"), written faster for the numbers a result holds (a batch
// row writes some twenty of them): those from 10^-4 to 2^53 whose plain
// decimal form is the shorter. Any other goes to std::to_chars.
#pragma once

namespace tarvelin {

// Writes the text of the finite `value` at `out`, which has room for 48
// characters (some past the text may be written over); returns the end of
// the text.
char* WriteShortestNumber(char* out, double value);

}  // namespace tarvelin
