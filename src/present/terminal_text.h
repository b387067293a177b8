// SPDX-License-Identifier: GPL-3.0-or-later
// User text made safe to show on a terminal. A name, a city or a place query
// may hold line ends, escape sequences or other control characters; written
// raw they would forge extra lines or drive the terminal. Shown escaped, they
// stay visible and harmless.
#pragma once

#include <string>
#include <string_view>

namespace tarvelin {

// `text` with every control character escaped: "\n", "\r" and "\t" for
// those three, "\xNN" for the other C0 controls, DEL and the bytes 0x80..0x9F
// that are not part of valid UTF-8 (C1 controls when read as Latin-1), and
// "\uNNNN" for the C1 controls and the bidirectional overrides and isolates
// written as UTF-8. Other invalid bytes are taken as Latin-1, as the text
// report takes them; everything else is kept. The result is valid UTF-8 and
// one line.
std::string TerminalSafe(std::string_view text);

}  // namespace tarvelin
