// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/library/library_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "library/birth_checks.h"
#include "present/quantity_text.h"
#include "widgets/common/app_seams.h"
#include "widgets/library/open_birth_dialog.h"

namespace tarvelin {
namespace {

constexpr char kOverwriteQuestion[] = QT_TRANSLATE_NOOP(
    "tarvelin::LibraryMenu",
    "A birth of the same name, date and place is saved already. "
    "Overwrite it?");

}  // namespace

LibraryMenu::LibraryMenu(QWidget* window, QMenu* menu, QString libraryPath,
                         BirthGetter currentBirth, BirthSetter showBirth)
    : QObject(window),
      window_(window),
      path_(std::move(libraryPath)),
      currentBirth_(std::move(currentBirth)),
      showBirth_(std::move(showBirth)) {
  QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions()[0];
  auto* save = new QAction(tr("&Save Birth"), menu);
  save->setObjectName("mnuSaveBirth");
  save->setShortcut(QKeySequence::Save);
  auto* open = new QAction(tr("&Open Birth…"), menu);
  open->setObjectName("mnuOpenBirth");
  open->setShortcut(QKeySequence::Open);
  menu->insertAction(first, save);
  menu->insertAction(first, open);
  for (int i = 0; i < kRecentCount; ++i) {
    auto* recent = new QAction(menu);
    recent->setObjectName(QString("mnuRecentBirth%1").arg(i + 1));
    recent->setVisible(false);
    menu->insertAction(first, recent);
    recent_.push_back(recent);
  }
  recentSeparator_ = menu->insertSeparator(first);
  // The shortcuts work while the menu is closed.
  window->addAction(save);
  window->addAction(open);

  connect(save, &QAction::triggered, this, &LibraryMenu::SaveBirth);
  connect(open, &QAction::triggered, this, &LibraryMenu::OpenBirth);
  for (QAction* recent : recent_) {
    connect(recent, &QAction::triggered, this, [this, recent] {
      library::BirthLibrary* library = Library();
      if (library == nullptr) return;
      const auto saved = library->Get(recent->data().toLongLong());
      if (!saved) {
        Complain(saved.status());
        RefreshRecent();
        return;
      }
      Show(*saved);
    });
  }
  // Another copy may have used births meanwhile.
  connect(menu, &QMenu::aboutToShow, this, &LibraryMenu::RefreshRecent);
}

LibraryMenu::~LibraryMenu() = default;

library::BirthLibrary* LibraryMenu::Library() {
  if (library_) return library_.get();
  auto opened = library::BirthLibrary::Open(path_);
  if (!opened) {
    Complain(opened.status());
    return nullptr;
  }
  library_ = std::move(*opened);
  return library_.get();
}

void LibraryMenu::Complain(const library::Status& status) {
  ShowMessage(QString::fromStdString(status.message), MessageIcon::Error,
              MessageButtons::Ok, window_);
}

void LibraryMenu::SaveBirth() {
  // The window's own checks first, with its own messages.
  const std::optional<Birth> birth = currentBirth_();
  if (!birth) return;
  library::BirthLibrary* library = Library();
  if (library == nullptr) return;
  auto saved =
      library->Save(*birth, std::nullopt, library::OnDuplicate::kRefuse);
  if (!saved && saved.status().fault == library::Fault::kDuplicate) {
    if (ShowMessage(tr(kOverwriteQuestion), MessageIcon::Information,
                    MessageButtons::YesNo, window_) != MessageAnswer::Yes) {
      return;
    }
    saved =
        library->Save(*birth, std::nullopt, library::OnDuplicate::kOverwrite);
  }
  if (!saved) {
    Complain(saved.status());
    return;
  }
  library->MarkUsed(saved->id);
  RefreshRecent();
}

void LibraryMenu::OpenBirth() {
  library::BirthLibrary* library = Library();
  if (library == nullptr) return;
  OpenBirthDialog dialog(*library, window_);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
  Show(*dialog.chosen());
}

void LibraryMenu::Show(const library::SavedBirth& saved) {
  Birth birth = saved.birth;
  const int zone = library::ZoneEntryFor(birth);
  if (zone >= 0 && birth.zoneIndex == Birth::kExactOffset) {
    birth = WithZoneEntry(birth, zone, birth.daylightSavingSeconds != 0);
  }
  if (zone < 0 || !showBirth_(birth)) {
    ShowMessage(
        tr("This birth was saved with the UTC offset %1, which no entry of "
           "the zone list has, so the form cannot show it; tarvelin-cli "
           "--from-library computes it.")
            .arg(QString::fromStdString(OffsetText(birth.utcOffsetSeconds))),
        MessageIcon::Information, MessageButtons::Ok, window_);
    return;
  }
  // The order of use is a convenience: a read-only library still opens.
  if (!library_->readOnly()) library_->MarkUsed(saved.id);
  RefreshRecent();
}

void LibraryMenu::OpenQuietly() {
  library::BirthLibrary::Options options;
  options.create = false;
  auto opened = library::BirthLibrary::Open(path_, options);
  if (opened) library_ = std::move(*opened);
}

void LibraryMenu::RefreshRecent() {
  if (!library_) OpenQuietly();
  std::vector<library::SavedBirth> births;
  if (library_) {
    auto recent = library_->RecentlyUsed(kRecentCount);
    if (recent) births = std::move(*recent);
  }
  for (std::size_t i = 0; i < recent_.size(); ++i) {
    QAction* action = recent_[i];
    action->setVisible(i < births.size());
    if (i >= births.size()) continue;
    const Birth& b = births[i].birth;
    action->setText(
        QString("&%1 %2, %3")
            .arg(i + 1)
            .arg(QString::fromStdString(b.name),
                 QString::fromStdString(DateText(b.local, DateStyle::kIso))));
    action->setData(static_cast<qlonglong>(births[i].id));
  }
  recentSeparator_->setVisible(!births.empty());
}

}  // namespace tarvelin
