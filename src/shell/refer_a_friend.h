// The refer-a-friend form of the exit screen: its checks, in the order the
// user meets their messages, and the address of the page that sends the
// recommendation.
#pragma once

#include <QString>
#include <optional>

namespace tarvelin {

// The five boxes, trimmed, as the user left them (a box still showing its
// placeholder holds the placeholder).
struct ReferAFriendFields {
  QString name, email, message, friendName, friendEmail;
};

// The placeholders the boxes show while empty.
constexpr const char kNamePlaceholder[] = "Your Name";
constexpr const char kEmailPlaceholder[] = "Your Email Address";
constexpr const char kMessagePlaceholder[] = "Your Message";
constexpr const char kFriendNamePlaceholder[] = "Friend's Name";
constexpr const char kFriendEmailPlaceholder[] = "Friend's Email Address";

// The message of the first check that fails, or nothing when the fields can
// be sent.
std::optional<QString> CheckReferAFriend(const ReferAFriendFields& fields);

// The address that sends the recommendation: the script page, "?", then
// taf1 .. taf6 in order. Every value is percent-encoded, line breaks, '&',
// '=' and '#' included, so nothing typed can end its value early or add a
// key; taf6 carries the product's home page.
QString ReferAFriendAddress(const ReferAFriendFields& fields);

}  // namespace tarvelin
