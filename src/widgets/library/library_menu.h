// SPDX-License-Identifier: GPL-3.0-or-later
// The birth library in a window's File menu: "Save Birth" (Ctrl+S),
// "Open Birth…" (Ctrl+O) and the five most recently used births. The
// window is reached only through two functions, so this knows nothing of
// its boxes: one gives the birth the window holds (or nothing, when the
// window has already said what is wrong), the other fills the window with a
// birth.
//
// The library file is opened when the menu is first shown (a missing file
// is not made then, and a fault is kept quiet until Save or Open is asked
// for) and kept open; a library that cannot be used gets its one message
// each time it is asked for, and the window goes on computing births.
//
// The window is given a birth with a zone-list entry: one saved with an
// exact offset is given the entry of that offset (which computes the same),
// and one whose offset no entry has is refused with a message.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "library/birth_library.h"

class QAction;
class QMenu;
class QWidget;

namespace tarvelin {

class LibraryMenu : public QObject {
  Q_OBJECT

 public:
  using BirthGetter = std::function<std::optional<Birth>()>;
  // False when the window cannot show the birth (it then shows nothing).
  using BirthSetter = std::function<bool(const Birth&)>;

  // Puts the actions at the top of `menu` (a child of `window`).
  LibraryMenu(QWidget* window, QMenu* menu, QString libraryPath,
              BirthGetter currentBirth, BirthSetter showBirth);
  ~LibraryMenu() override;

  // How many recently used births the menu lists.
  static constexpr int kRecentCount = 5;

 public slots:
  void SaveBirth();
  void OpenBirth();

 private:
  library::BirthLibrary* Library();
  void OpenQuietly();
  void Show(const library::SavedBirth& saved);
  void RefreshRecent();
  void Complain(const library::Status& status);

  QWidget* window_;
  QString path_;
  BirthGetter currentBirth_;
  BirthSetter showBirth_;
  std::unique_ptr<library::BirthLibrary> library_;
  QAction* recentSeparator_ = nullptr;
  std::vector<QAction*> recent_;
};

}  // namespace tarvelin
