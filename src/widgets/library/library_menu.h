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
// The window is given each birth as it was saved, exact offsets included.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
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

  // Saves `birth` for `window` (messages belong to it) and gives `note` the
  // line saying what was saved, or that nothing was. A birth whose name is
  // saved already is asked about first: "Replace" the saved one (the one
  // opened or saved last, when several have the name), "Keep both", or
  // "Cancel"; a birth saved already as it is changes nothing.
  using Note = std::function<void(const QString&)>;
  void Save(const Birth& birth, QWidget* window, const Note& note);

 public slots:
  // The window's birth, noted in its status bar.
  void SaveBirth();
  void OpenBirth();

 private:
  library::BirthLibrary* Library();
  void OpenQuietly();
  void Show(const library::SavedBirth& saved);
  void RefreshRecent();
  // The message of `status`, in `window` (or this menu's window).
  void Complain(const library::Status& status, QWidget* window = nullptr);

  QWidget* window_;
  QString path_;
  BirthGetter currentBirth_;
  BirthSetter showBirth_;
  std::unique_ptr<library::BirthLibrary> library_;
  std::int64_t lastId_ = 0;  // the saved birth opened or saved last
  QAction* recentSeparator_ = nullptr;
  std::vector<QAction*> recent_;
};

}  // namespace tarvelin
