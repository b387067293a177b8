// SPDX-License-Identifier: GPL-3.0-or-later
// Place names reduced for comparing, in every script. The atlas table is
// written with these functions and the look-ups read typed text with them,
// so both sides always agree.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace tarvelin {

// A name or typed text reduced for comparing: compatibility forms unified
// (full-width Latin, ligatures), accents dropped from Latin, Greek,
// Cyrillic, Arabic and Hebrew letters (Zürich = Zurich; the vowel signs of
// Indian scripts and Japanese voicing marks stay, as they change the
// name), case folded, letters with a stroke read as plain ones (ø = o,
// ł = l), periods and apostrophes dropped ("St." = "St", "D.C." = "DC"),
// other punctuation ("Saint-Denis", "サン・ジュリア") made a blank, runs of
// blanks made one. UTF-8. Empty when nothing but blanks and punctuation.
std::string FoldedPlaceText(const QString& text);
std::string FoldedPlaceText(const std::string& utf8);

// The same name as people also write it: "st" and "saint", "ste" and
// "sainte" are one word ("St. Petersburg" = "Saint Petersburg"). For a
// folded name, the other spellings of it (none for most names).
std::vector<std::string> FoldedNameVariants(const std::string& folded);

// The byte positions in a folded text at which a word begins (0 first).
std::vector<std::size_t> WordStarts(const std::string& folded);

}  // namespace tarvelin
