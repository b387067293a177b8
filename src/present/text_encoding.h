// SPDX-License-Identifier: GPL-3.0-or-later
// Output texts as UTF-8. The core's texts are UTF-8 already (the degree sign
// as C2 B0); a byte that does not start a valid UTF-8 sequence is taken as a
// Latin-1 character and re-encoded, so a stray single-byte degree sign still
// prints as "°" and the JSON output is always valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tarvelin {

// Length of the valid UTF-8 sequence that starts at text[i] (1 for ASCII),
// or 0 when the bytes there are not valid UTF-8.
int Utf8SequenceLength(std::string_view text, std::size_t i);

// Appends one byte taken as Latin-1, encoded as UTF-8.
void AppendLatin1AsUtf8(std::string& out, unsigned char byte);

// Appends `text` to `out` as UTF-8 (see above).
void AppendAsUtf8(std::string& out, std::string_view text);
std::string AsUtf8(std::string_view text);

}  // namespace tarvelin
