// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/library/open_birth_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "present/quantity_text.h"
#include "widgets/common/app_seams.h"

namespace tarvelin {
namespace {

QString QText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QString WhenText(const Birth& b) {
  return QText(DateText(b.local, DateStyle::kIso) + " " +
               TimeText(b.local, TimeStyle::kClock));
}

QString PlaceText(const Birth& b) {
  QStringList parts;
  for (const std::string* part : {&b.city, &b.state, &b.country}) {
    if (!part->empty()) parts << QText(*part);
  }
  if (parts.isEmpty()) {
    return QText(CoordinateText(b.latitudeDegrees, Axis::kLatitude,
                                CoordinateStyle::kEntry) +
                 " " +
                 CoordinateText(b.longitudeDegrees, Axis::kLongitude,
                                CoordinateStyle::kEntry));
  }
  return parts.join(", ");
}

OpenBirthDialog::OpenBirthDialog(library::BirthLibrary& library,
                                 QWidget* parent)
    : QDialog(parent), library_(library) {
  setWindowTitle(tr("Open Birth"));
  setObjectName("OpenBirthDialog");

  filter_ = new QLineEdit(this);
  filter_->setObjectName("txtFilter");
  filter_->setPlaceholderText(tr("Type part of a name, place or date"));
  filter_->setClearButtonEnabled(true);
  order_ = new QComboBox(this);
  order_->setObjectName("cboOrder");
  order_->addItems({tr("By Name"), tr("Most Recently Used")});
  auto* top = new QHBoxLayout;
  auto* find = new QLabel(tr("&Find"), this);
  find->setBuddy(filter_);
  top->addWidget(find);
  top->addWidget(filter_, 1);
  top->addWidget(order_);

  list_ = new QTreeWidget(this);
  list_->setObjectName("lstBirths");
  list_->setHeaderLabels({tr("Name"), tr("Date"), tr("Place")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->setMinimumSize(520, 260);
  list_->installEventFilter(this);
  filter_->installEventFilter(this);

  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
  open_->setObjectName("cmdOpen");
  delete_ = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
  delete_->setObjectName("cmdDelete");
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName("cmdCancel");
  // Qt has no Hindi or Tamil for its own buttons.
  cancel->setText(tr("Cancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);

  connect(filter_, &QLineEdit::textChanged, this, &OpenBirthDialog::Reload);
  connect(order_, &QComboBox::currentIndexChanged, this,
          &OpenBirthDialog::Reload);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          &OpenBirthDialog::OpenCurrent);
  connect(open_, &QPushButton::clicked, this, &OpenBirthDialog::OpenCurrent);
  connect(delete_, &QPushButton::clicked, this,
          &OpenBirthDialog::DeleteCurrent);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Reload();
  filter_->setFocus();
}

void OpenBirthDialog::Reload() {
  const auto births =
      library_.List(order_->currentIndex() == 1 ? library::Order::kRecentlyUsed
                                                : library::Order::kByName,
                    filter_->text().toStdString());
  if (!births) {
    ShowMessage(QText(births.status().message), MessageIcon::Error,
                MessageButtons::Ok, this);
  }
  births_ = births ? *births : std::vector<library::SavedBirth>{};
  list_->clear();
  for (std::size_t i = 0; i < births_.size(); ++i) {
    const Birth& b = births_[i].birth;
    auto* item =
        new QTreeWidgetItem(list_, {QText(b.name), WhenText(b), PlaceText(b)});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
  }
  if (list_->topLevelItemCount() > 0) {
    list_->setCurrentItem(list_->topLevelItem(0));
  }
  open_->setEnabled(!births_.empty());
  delete_->setEnabled(!births_.empty() && !library_.readOnly());
}

void OpenBirthDialog::OpenCurrent() {
  const QTreeWidgetItem* item = list_->currentItem();
  if (item == nullptr) return;
  chosen_ = births_.at(item->data(0, Qt::UserRole).toULongLong());
  accept();
}

void OpenBirthDialog::DeleteCurrent() {
  const QTreeWidgetItem* item = list_->currentItem();
  if (item == nullptr) return;
  const library::SavedBirth& saved =
      births_.at(item->data(0, Qt::UserRole).toULongLong());
  const QString question =
      tr("Delete the saved birth %1 (%2, %3)?")
          .arg(QText(saved.birth.name), item->text(1), item->text(2));
  if (ShowMessage(question, MessageIcon::Information, MessageButtons::YesNo,
                  this) != MessageAnswer::Yes) {
    return;
  }
  const library::Status removed = library_.Remove(saved.id);
  if (!removed.ok()) {
    ShowMessage(QText(removed.message), MessageIcon::Error, MessageButtons::Ok,
                this);
  }
  Reload();
}

void OpenBirthDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    OpenCurrent();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool OpenBirthDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == list_ && key == Qt::Key_Delete) {
      DeleteCurrent();
      return true;
    }
    // Up and down in the Find box move through the list.
    if (watched == filter_ && (key == Qt::Key_Up || key == Qt::Key_Down)) {
      QCoreApplication::sendEvent(list_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tarvelin
