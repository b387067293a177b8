// SPDX-License-Identifier: GPL-3.0-or-later
// The seams between Tarvelin and the desktop: message boxes, opening a web
// page, the save-file dialog and the per-user settings store. Windows call
// these functions; tests replace the handlers so that nothing modal blocks and
// nothing leaves the machine.
#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

#include "rules/validation.h"  // MessageIcon

class QWidget;

namespace tarvelin {

constexpr const char kAppTitle[] = "Tarvelin v1.25";

// ReplaceKeepBoth: "Replace", "Keep both" and "Cancel" (Escape), for a
// saved thing of the same name.
enum class MessageButtons { Ok, YesNo, ReplaceKeepBoth };
enum class MessageAnswer { Ok, Yes, No, Replace, KeepBoth, Cancel };

struct MessageRequest {
  QString title;
  QString text;
  MessageIcon icon;
  MessageButtons buttons;
};

using MessageHandler = std::function<MessageAnswer(const MessageRequest&)>;

// Shows a message box with the application's title (or hands it to the
// installed handler). Returns the button pressed.
MessageAnswer ShowMessage(const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok,
                          QWidget* parent = nullptr);
// Installs a handler in place of real message boxes; an empty one restores
// them. Returns the previous handler.
MessageHandler SetMessageHandler(MessageHandler handler);

using WebPageOpener = std::function<void(const QString& url)>;
// Opens an address in the system browser (or hands it to the installed
// opener). A browser that cannot be started is not reported.
void OpenWebPage(const QString& url);
WebPageOpener SetWebPageOpener(WebPageOpener opener);

// Where to save a file: the dialog's caption, the suggested path and the
// file-type filter ("PDF files (*.pdf)").
struct SaveFileRequest {
  QString caption;
  QString suggestedPath;
  QString filter;
};
using SaveFileAsker = std::function<QString(const SaveFileRequest&)>;
// Asks with a save-file dialog (or the installed asker); empty when the
// user cancels.
QString AskSaveFileName(const SaveFileRequest& request,
                        QWidget* parent = nullptr);
SaveFileAsker SetSaveFileAsker(SaveFileAsker asker);

// The per-user settings store, keyed by section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QVariant value(const QString& section, const QString& key) const = 0;
  virtual void setValue(const QString& section, const QString& key,
                        const QVariant& value) = 0;
};
// The store in use: QSettings under the application's name unless a test
// installed another one.
SettingsStore& Settings();
void SetSettingsStore(std::unique_ptr<SettingsStore> store);

}  // namespace tarvelin
