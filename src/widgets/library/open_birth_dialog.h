// SPDX-License-Identifier: GPL-3.0-or-later
// "Open Birth…": the saved births (name, date, place), filtered as one
// types and sorted by name or by most recent use. Enter or a double click
// opens the chosen birth; Delete removes it after a confirmation.
#pragma once

#include <QDialog>
#include <optional>

#include "library/birth_library.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tarvelin {

// "1990-08-14 10:30:00" and "Chennai, Tamil Nadu, India" (the coordinates
// when no place is named): how a saved birth is told apart from another of
// the same name, here, in the recent list and in the save messages.
QString WhenText(const Birth& birth);
QString PlaceText(const Birth& birth);

class OpenBirthDialog : public QDialog {
  Q_OBJECT

 public:
  OpenBirthDialog(library::BirthLibrary& library, QWidget* parent = nullptr);

  // The birth opened (after exec() answered Accepted).
  const std::optional<library::SavedBirth>& chosen() const { return chosen_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Reload();
  void OpenCurrent();
  void DeleteCurrent();

  library::BirthLibrary& library_;
  std::vector<library::SavedBirth> births_;  // as listed
  std::optional<library::SavedBirth> chosen_;
  QLineEdit* filter_ = nullptr;
  QComboBox* order_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QPushButton *open_ = nullptr, *delete_ = nullptr;
};

}  // namespace tarvelin
