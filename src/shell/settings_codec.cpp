// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/settings_codec.h"

#include <QByteArray>

namespace tarvelin {
namespace {

// Each byte is mixed with this key, rotating, and with its position; a
// marker byte in front lets DecodeSetting refuse foreign text.
constexpr char kKey[] = "HoraLagna/Tarvelin";
constexpr int kKeyLength = sizeof(kKey) - 1;
constexpr unsigned char kMarker = 0xA5;

unsigned char Mask(int position) {
  return static_cast<unsigned char>(kKey[position % kKeyLength] ^
                                    (position * 29 + 7));
}

constexpr auto kBase64Options =
    QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

}  // namespace

QString EncodeSetting(const QString& plain) {
  QByteArray bytes = plain.toUtf8();
  bytes.prepend(static_cast<char>(kMarker));
  for (int i = 0; i < bytes.size(); ++i) {
    bytes[i] =
        static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ Mask(i));
  }
  return QString::fromLatin1(bytes.toBase64(kBase64Options));
}

std::optional<QString> DecodeSetting(const QString& stored) {
  if (stored.isEmpty()) return std::nullopt;
  const auto decoded = QByteArray::fromBase64Encoding(
      stored.toLatin1(),
      kBase64Options | QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return std::nullopt;
  QByteArray bytes = *decoded;
  for (int i = 0; i < bytes.size(); ++i) {
    bytes[i] =
        static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ Mask(i));
  }
  if (bytes.isEmpty() || static_cast<unsigned char>(bytes[0]) != kMarker) {
    return std::nullopt;
  }
  return QString::fromUtf8(bytes.mid(1));
}

}  // namespace tarvelin
