// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/refer_a_friend.h"

#include <QUrl>

#include "widgets/common/web_links.h"

namespace tarvelin {
namespace {

bool IsUnset(const QString& text, const char* placeholder) {
  return text.isEmpty() || text == Placeholder(placeholder);
}

QString Tr(const char* text) {
  return QCoreApplication::translate("tarvelin::ReferAFriend", text);
}

QString Encoded(const QString& value) {
  return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

}  // namespace

QString Placeholder(const char* placeholder) { return Tr(placeholder); }

std::optional<QString> CheckReferAFriend(const ReferAFriendFields& f) {
  if (f.email == f.friendEmail) {
    return Tr(QT_TRANSLATE_NOOP("tarvelin::ReferAFriend",
                                "Please Enter Distinct Email Addresses"));
  }
  if (!f.email.contains('@') || !f.friendEmail.contains('@')) {
    return Tr(QT_TRANSLATE_NOOP("tarvelin::ReferAFriend",
                                "Please Enter Proper Email Address"));
  }
  if (!f.email.contains('.') || !f.friendEmail.contains('.')) {
    return Tr(QT_TRANSLATE_NOOP("tarvelin::ReferAFriend",
                                "Please Enter Proper Email Address"));
  }
  if (IsUnset(f.name, kNamePlaceholder)) {
    return Tr(
        QT_TRANSLATE_NOOP("tarvelin::ReferAFriend", "Please Enter Your Name"));
  }
  if (IsUnset(f.email, kEmailPlaceholder)) {
    return Tr(
        QT_TRANSLATE_NOOP("tarvelin::ReferAFriend", "Please Enter Your Email"));
  }
  if (IsUnset(f.message, kMessagePlaceholder)) {
    return Tr(QT_TRANSLATE_NOOP("tarvelin::ReferAFriend",
                                "Please Enter Your Message"));
  }
  if (IsUnset(f.friendName, kFriendNamePlaceholder)) {
    return Tr(QT_TRANSLATE_NOOP("tarvelin::ReferAFriend",
                                "Please Enter Your Friend's Name"));
  }
  if (IsUnset(f.friendEmail, kFriendEmailPlaceholder)) {
    return Tr(QT_TRANSLATE_NOOP("tarvelin::ReferAFriend",
                                "Please Enter Your Friend's Email"));
  }
  return std::nullopt;
}

QString ReferAFriendAddress(const ReferAFriendFields& f) {
  return QString::fromLatin1(address::kReferAFriendScript) + "?" +
         "taf1=" + Encoded(f.name) + "&taf2=" + Encoded(f.email) +
         "&taf3=" + Encoded(f.message) + "&taf4=" + Encoded(f.friendName) +
         "&taf5=" + Encoded(f.friendEmail) +
         "&taf6=" + Encoded(QString::fromLatin1(address::kHomePage));
}

}  // namespace tarvelin
