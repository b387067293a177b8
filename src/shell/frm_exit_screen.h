// SPDX-License-Identifier: GPL-3.0-or-later
// The screen shown when the user leaves: a word about the forum, a link to
// the maker's other programs, and a form to recommend Tarvelin to a friend.
// It stays on top without taking the focus; closing it ends the program.
#pragma once

#include <QWidget>
#include <array>

#include "shell/refer_a_friend.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tarvelin {

class FrmExitScreen : public QWidget {
  Q_OBJECT

 public:
  // The four words about the forum (in English; each screen shows one,
  // drawn at random, in the windows' language).
  static const std::array<const char*, 4> kMessages;

  explicit FrmExitScreen(QWidget* parent = nullptr);

  // The field values of the last "Refer A Friend Now", trimmed.
  const ReferAFriendFields& storedFields() const { return stored_; }

 public slots:
  void cmdSubmit_Click();
  void cmdClose_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void Check1_Toggled(bool checked);
  void lblGoToHome_Click();

 private:
  // The placeholder of one of the five boxes, or nullptr for other objects.
  const char* PlaceholderOf(const QObject* box) const;
  QString TextOf(const QObject* box) const;
  void SetTextOf(QObject* box, const QString& text);

  ReferAFriendFields stored_;

  // Controls, each with its name as its objectName.
  QLabel *lblTitle = nullptr, *lblMessage = nullptr, *lblGoToHome = nullptr;
  QCheckBox* Check1 = nullptr;
  QGroupBox *fraCatalog = nullptr, *fraReferAFriend = nullptr;
  QLineEdit *txtName = nullptr, *txtEmail = nullptr, *txtFriendName = nullptr,
            *txtFriendEmail = nullptr;
  QPlainTextEdit* txtMessage = nullptr;
  QPushButton *cmdSubmit = nullptr, *cmdClose = nullptr;
};

}  // namespace tarvelin
