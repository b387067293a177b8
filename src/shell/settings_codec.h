// SPDX-License-Identifier: GPL-3.0-or-later
// The application's own encoding of the names and values it keeps in the
// settings store, so that the store holds neither in plain text. It hides,
// it does not protect: anyone with this code can read the values back.
#pragma once

#include <QString>
#include <optional>

namespace tarvelin {

// A text as it goes into the store: letters, digits, '-' and '_' only.
QString EncodeSetting(const QString& plain);
// The text that EncodeSetting turned into `stored`; nothing when `stored`
// was not written by it.
std::optional<QString> DecodeSetting(const QString& stored);

}  // namespace tarvelin
