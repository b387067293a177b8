// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/view_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"

namespace tarvelin {
namespace {

constexpr char kSection[] = "View";
constexpr char kChartStyleKey[] = "ChartStyle";
constexpr char kLanguageKey[] = "Language";

}  // namespace

ChartStyle SavedChartStyle() {
  const QString code = Settings().value(kSection, kChartStyleKey).toString();
  return ChartStyleFromCode(code.toStdString()).value_or(ChartStyle::kSouth);
}

void SaveChartStyle(ChartStyle style) {
  Settings().setValue(kSection, kChartStyleKey,
                      QString::fromLatin1(ChartStyleCode(style)));
}

QString SavedLanguageCode() {
  return Settings().value(kSection, kLanguageKey).toString();
}

void SaveLanguageCode(const QString& code) {
  Settings().setValue(kSection, kLanguageKey, code);
}

ViewMenu::ViewMenu(QMainWindow* window) : QObject(window), window_(window) {
  QMenuBar* bar = window->menuBar();
  const QList<QAction*> top = bar->actions();
  menu_ = new QMenu(tr("&View"), bar);
  menu_->setObjectName("mnuView");
  bar->insertMenu(top.size() > 1 ? top[1] : nullptr, menu_);

  QMenu* styles = menu_->addMenu(tr("&Chart Style"));
  styles->setObjectName("mnuChartStyle");
  styles_ = new QActionGroup(this);
  const std::pair<ChartStyle, QString> styleNames[] = {
      {ChartStyle::kSouth, tr("&South-Indian")},
      {ChartStyle::kNorth, tr("&North-Indian")},
      {ChartStyle::kEast, tr("&East-Indian")}};
  for (const auto& [style, name] : styleNames) {
    QAction* action = styles->addAction(name);
    action->setObjectName(QStringLiteral("mnuChartStyle_%1")
                              .arg(QLatin1String(ChartStyleCode(style))));
    action->setCheckable(true);
    action->setData(QString::fromLatin1(ChartStyleCode(style)));
    styles_->addAction(action);
    connect(action, &QAction::triggered, this, [this, style = style] {
      SaveChartStyle(style);
      emit chartStyleChosen(style);
    });
  }
  ShowChartStyle(SavedChartStyle());

  QMenu* languages = menu_->addMenu(tr("&Language"));
  languages->setObjectName("mnuLanguage");
  languages_ = new QActionGroup(this);
  // Each language by its own name, so that a reader finds theirs.
  QAction* system = languages->addAction(tr("System Language"));
  system->setData(QString());
  for (const Language language : kLanguages) {
    languages->addAction(QString::fromUtf8(LanguageNativeName(language)))
        ->setData(QString::fromLatin1(LanguageCode(language)));
  }
  const QString saved = SavedLanguageCode();
  for (QAction* action : languages->actions()) {
    action->setCheckable(true);
    action->setObjectName(QStringLiteral("mnuLanguage_%1")
                              .arg(action->data().toString().isEmpty()
                                       ? QStringLiteral("system")
                                       : action->data().toString()));
    languages_->addAction(action);
    action->setChecked(action->data().toString() == saved);
    connect(action, &QAction::triggered, this,
            [this, action] { ChooseLanguage(action->data().toString()); });
  }
}

void ViewMenu::ShowChartStyle(ChartStyle style) {
  for (QAction* action : styles_->actions()) {
    action->setChecked(action->data().toString() ==
                       QLatin1String(ChartStyleCode(style)));
  }
}

void ViewMenu::ChooseLanguage(const QString& code) {
  if (code == SavedLanguageCode()) return;
  SaveLanguageCode(code);
  // The windows keep the language they started in.
  if (StartUpLanguage(code, QLocale::system()) == UiLanguage()) return;
  ShowMessage(tr("The new language is used from the next start of "
                 "Tarvelin on."),
              MessageIcon::Information, MessageButtons::Ok, window_);
}

}  // namespace tarvelin
