// SPDX-License-Identifier: GPL-3.0-or-later
// How wide a text stands on a terminal: one column per character, none for
// the marks that join the letter before them (Devanagari and Tamil vowel
// signs written above or below, the virama, the nukta) and for the
// zero-width joiners.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelin {

// Columns `utf8` takes; a byte that is not UTF-8 counts as one column.
std::size_t DisplayWidth(std::string_view utf8);

// `utf8` cut into the pieces that each take one column: a character with
// the zero-width marks that follow it.
std::vector<std::string> DisplayCells(std::string_view utf8);

}  // namespace tarvelin
