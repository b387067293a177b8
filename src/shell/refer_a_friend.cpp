#include "shell/refer_a_friend.h"

#include <QUrl>

#include "widgets/common/web_links.h"

namespace tarvelin {
namespace {

bool IsUnset(const QString& text, const char* placeholder) {
  return text.isEmpty() || text == QLatin1String(placeholder);
}

QString Encoded(const QString& value) {
  return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

}  // namespace

std::optional<QString> CheckReferAFriend(const ReferAFriendFields& f) {
  if (f.email == f.friendEmail) {
    return QStringLiteral("Please Enter Distinct Email Addresses");
  }
  if (!f.email.contains('@') || !f.friendEmail.contains('@')) {
    return QStringLiteral("Please Enter Proper Email Address");
  }
  if (!f.email.contains('.') || !f.friendEmail.contains('.')) {
    return QStringLiteral("Please Enter Proper Email Address");
  }
  if (IsUnset(f.name, kNamePlaceholder)) {
    return QStringLiteral("Please Enter Your Name");
  }
  if (IsUnset(f.email, kEmailPlaceholder)) {
    return QStringLiteral("Please Enter Your Email");
  }
  if (IsUnset(f.message, kMessagePlaceholder)) {
    return QStringLiteral("Please Enter Your Message");
  }
  if (IsUnset(f.friendName, kFriendNamePlaceholder)) {
    return QStringLiteral("Please Enter Your Friend's Name");
  }
  if (IsUnset(f.friendEmail, kFriendEmailPlaceholder)) {
    return QStringLiteral("Please Enter Your Friend's Email");
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
