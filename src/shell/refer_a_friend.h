// SPDX-License-Identifier: GPL-3.0-or-later
// The refer-a-friend form of the exit screen: its checks, in the order the
// user meets their messages, and the address of the page that sends the
// recommendation.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace tarvelin {

// The five boxes, trimmed, as the user left them (a box still showing its
// placeholder holds the placeholder).
struct ReferAFriendFields {
  QString name, email, message, friendName, friendEmail;
};

// The placeholders the boxes show while empty, in English; Placeholder()
// gives them in the windows' language.
constexpr const char kNamePlaceholder[] =
    QT_TRANSLATE_NOOP("tarvelin::ReferAFriend", "Your Name");
constexpr const char kEmailPlaceholder[] =
    QT_TRANSLATE_NOOP("tarvelin::ReferAFriend", "Your Email Address");
constexpr const char kMessagePlaceholder[] =
    QT_TRANSLATE_NOOP("tarvelin::ReferAFriend", "Your Message");
constexpr const char kFriendNamePlaceholder[] =
    QT_TRANSLATE_NOOP("tarvelin::ReferAFriend", "Friend's Name");
constexpr const char kFriendEmailPlaceholder[] =
    QT_TRANSLATE_NOOP("tarvelin::ReferAFriend", "Friend's Email Address");

QString Placeholder(const char* placeholder);

// The message of the first check that fails, or nothing when the fields can
// be sent.
std::optional<QString> CheckReferAFriend(const ReferAFriendFields& fields);

// The address that sends the recommendation: the script page, "?", then
// taf1 .. taf6 in order. Every value is percent-encoded, line breaks, '&',
// '=' and '#' included, so nothing typed can end its value early or add a
// key; taf6 carries the product's home page.
QString ReferAFriendAddress(const ReferAFriendFields& fields);

}  // namespace tarvelin
