// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/library/library_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QWidget>
#include <algorithm>

#include "widgets/common/app_seams.h"
#include "widgets/library/open_birth_dialog.h"

namespace tarvelin {
namespace {

// "PRIYA RAMAN, 1990-08-14 10:30:00, Chennai, Tamil Nadu, India".
QString BirthLine(const Birth& b) {
  return QString::fromStdString(b.name) + ", " + WhenText(b) + ", " +
         PlaceText(b);
}

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

void LibraryMenu::Complain(const library::Status& status, QWidget* window) {
  ShowMessage(QString::fromStdString(status.message), MessageIcon::Error,
              MessageButtons::Ok, window != nullptr ? window : window_);
}

void LibraryMenu::SaveBirth() {
  // The window's own checks first, with its own messages.
  const std::optional<Birth> birth = currentBirth_();
  if (!birth) return;
  auto* window = qobject_cast<QMainWindow*>(window_);
  Save(*birth, window_, [window](const QString& note) {
    if (window != nullptr) window->statusBar()->showMessage(note);
  });
}

void LibraryMenu::Save(const Birth& birth, QWidget* window, const Note& note) {
  library::BirthLibrary* library = Library();
  if (library == nullptr) return;
  const auto named = library->Named(birth.name);
  if (!named) {
    Complain(named.status());
    return;
  }
  std::optional<library::SavedBirth> saved;
  QString said = tr("Saved %1").arg(BirthLine(birth));
  const auto same = std::find_if(named->begin(), named->end(),
                                 [&](const library::SavedBirth& s) {
                                   return library::SameEntries(s.birth, birth);
                                 });
  if (same != named->end()) {
    saved = *same;
    said = tr("Saved already: %1").arg(BirthLine(birth));
  } else if (!named->empty()) {
    const auto last = std::find_if(
        named->begin(), named->end(),
        [this](const library::SavedBirth& s) { return s.id == lastId_; });
    const library::SavedBirth& old =
        last != named->end() ? *last : named->front();
    const QString question =
        tr("A birth named %1 is saved already (%2, %3). Replace it with this "
           "one (%4, %5), or keep both?")
            .arg(QString::fromStdString(old.birth.name), WhenText(old.birth),
                 PlaceText(old.birth), WhenText(birth), PlaceText(birth));
    const MessageAnswer answer =
        ShowMessage(question, MessageIcon::Information,
                    MessageButtons::ReplaceKeepBoth, window);
    library::Expected<library::SavedBirth> written =
        library::Status{library::Fault::kNotFound, std::string()};
    if (answer == MessageAnswer::Replace) {
      written = library->Replace(old.id, birth);
      said = tr("Replaced the saved birth with %1").arg(BirthLine(birth));
    } else if (answer == MessageAnswer::KeepBoth) {
      written =
          library->Save(birth, std::nullopt, library::OnDuplicate::kKeepBoth);
      said = tr("Saved %1 beside the other birth of that name")
                 .arg(BirthLine(birth));
    } else {
      note(tr("Not saved"));
      return;
    }
    if (!written) {
      Complain(written.status(), window);
      return;
    }
    saved = *written;
  } else {
    auto written =
        library->Save(birth, std::nullopt, library::OnDuplicate::kRefuse);
    if (!written) {
      Complain(written.status(), window);
      return;
    }
    saved = *written;
  }
  lastId_ = saved->id;
  library->MarkUsed(saved->id);
  RefreshRecent();
  note(said);
}

void LibraryMenu::OpenBirth() {
  library::BirthLibrary* library = Library();
  if (library == nullptr) return;
  OpenBirthDialog dialog(*library, window_);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
  Show(*dialog.chosen());
}

void LibraryMenu::Show(const library::SavedBirth& saved) {
  if (!showBirth_(saved.birth)) {
    ShowMessage(tr("\"%1\" was saved with zone-list entry %2, which this "
                   "version's zone list does not have, so the form cannot "
                   "show it; tarvelin-cli --from-library computes it.")
                    .arg(QString::fromStdString(saved.birth.name))
                    .arg(saved.birth.zoneIndex + 1),
                MessageIcon::Information, MessageButtons::Ok, window_);
    return;
  }
  lastId_ = saved.id;
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
    // A place's "&" is shown, not taken for a shortcut letter.
    action->setText(
        QString("&%1 %2").arg(i + 1).arg(BirthLine(b).replace('&', "&&")));
    action->setData(static_cast<qlonglong>(births[i].id));
  }
  recentSeparator_->setVisible(!births.empty());
}

}  // namespace tarvelin
