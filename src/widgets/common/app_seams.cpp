// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/common/app_seams.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

namespace tarvelin {
namespace {

MessageHandler& CurrentMessageHandler() {
  static MessageHandler handler;
  return handler;
}

WebPageOpener& CurrentWebPageOpener() {
  static WebPageOpener opener;
  return opener;
}

SaveFileAsker& CurrentSaveFileAsker() {
  static SaveFileAsker asker;
  return asker;
}

// QSettings writes under a lock file and waits for one left behind until
// it is 30 seconds old, unless the file names a dead process of this
// machine: garbage, or another machine's name, held up every start. A lock
// file nobody holds is cleared first. Qt's lock holders keep an flock on
// the file while they hold it, so a file that can be flocked is one no
// live process holds.
void ClearUnheldLock(const QString& settingsFile) {
  const QByteArray path = QFile::encodeName(settingsFile + ".lock");
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.constData());
  ::close(fd);
}

class QSettingsStore : public SettingsStore {
 public:
  QVariant value(const QString& section, const QString& key) const override {
    return settings_.value(section + "/" + key);
  }
  void setValue(const QString& section, const QString& key,
                const QVariant& value) override {
    settings_.setValue(section + "/" + key, value);
    ClearUnheldLock(settings_.fileName());
    settings_.sync();
  }

 private:
  mutable QSettings settings_{QSettings::UserScope, "Tarvelin", "Tarvelin"};
};

std::unique_ptr<SettingsStore>& CurrentStore() {
  static std::unique_ptr<SettingsStore> store;
  return store;
}

}  // namespace

MessageAnswer ShowMessage(const QString& text, MessageIcon icon,
                          MessageButtons buttons, QWidget* parent) {
  const MessageRequest request{kAppTitle, text, icon, buttons};
  if (CurrentMessageHandler()) return CurrentMessageHandler()(request);

  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical
                                             : QMessageBox::Information,
                  request.title, request.text, QMessageBox::NoButton, parent);
  if (buttons == MessageButtons::ReplaceKeepBoth) {
    QPushButton* replace = box.addButton(
        QCoreApplication::translate("tarvelin::ShowMessage", "Replace"),
        QMessageBox::AcceptRole);
    QPushButton* keepBoth = box.addButton(
        QCoreApplication::translate("tarvelin::ShowMessage", "Keep both"),
        QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(
        QCoreApplication::translate("tarvelin::ShowMessage", "Cancel"));
    box.setEscapeButton(cancel);
    box.setDefaultButton(replace);
    box.exec();
    if (box.clickedButton() == replace) return MessageAnswer::Replace;
    if (box.clickedButton() == keepBoth) return MessageAnswer::KeepBoth;
    return MessageAnswer::Cancel;
  }
  // The buttons' words are ours: Qt ships none in Hindi or Tamil.
  if (buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("tarvelin::Message", "&Yes"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("tarvelin::Message", "&No"));
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes
                                          : MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.button(QMessageBox::Ok)
      ->setText(QCoreApplication::translate("tarvelin::Message", "OK"));
  box.exec();
  return MessageAnswer::Ok;
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(CurrentMessageHandler());
  CurrentMessageHandler() = std::move(handler);
  return previous;
}

void OpenWebPage(const QString& url) {
  if (CurrentWebPageOpener()) {
    CurrentWebPageOpener()(url);
    return;
  }
  QDesktopServices::openUrl(QUrl(url));
}

WebPageOpener SetWebPageOpener(WebPageOpener opener) {
  WebPageOpener previous = std::move(CurrentWebPageOpener());
  CurrentWebPageOpener() = std::move(opener);
  return previous;
}

QString AskSaveFileName(const SaveFileRequest& request, QWidget* parent) {
  if (CurrentSaveFileAsker()) return CurrentSaveFileAsker()(request);
  return QFileDialog::getSaveFileName(parent, request.caption,
                                      request.suggestedPath, request.filter);
}

SaveFileAsker SetSaveFileAsker(SaveFileAsker asker) {
  SaveFileAsker previous = std::move(CurrentSaveFileAsker());
  CurrentSaveFileAsker() = std::move(asker);
  return previous;
}

SettingsStore& Settings() {
  if (!CurrentStore()) CurrentStore() = std::make_unique<QSettingsStore>();
  return *CurrentStore();
}

void SetSettingsStore(std::unique_ptr<SettingsStore> store) {
  CurrentStore() = std::move(store);
}

}  // namespace tarvelin
