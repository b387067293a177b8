// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/application.h"

#include <QApplication>

#include "chart/calculate.h"
#include "chart/hora_lagna_day.h"
#include "library/birth_library.h"
#include "present/explanation.h"
#include "present/hora_lagna_text.h"
#include "present/result_view.h"
#include "shell/end_program.h"
#include "shell/form_library.h"
#include "shell/frm_about.h"
#include "shell/frm_exit_screen.h"
#include "shell/mdi.h"
#include "shell/update_reminder.h"
#include "shell/view_menu.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"
#include "widgets/input/frm_main.h"
#include "widgets/input/frm_main_atlas.h"
#include "widgets/library/library_menu.h"
#include "widgets/result/frm_display.h"

namespace tarvelin {

constexpr const char kAlreadyRunning[] = QT_TRANSLATE_NOOP(
    "tarvelin::Application", "Application is already running");

Application::Application(const QString& lockPath, QObject* parent,
                         QString libraryPath)
    : QObject(parent),
      lock_(lockPath),
      libraryPath_(libraryPath.isEmpty() ? library::BirthLibrary::DefaultPath()
                                         : std::move(libraryPath)) {
  connect(&lock_, &SingleInstanceLock::raiseRequested, this,
          &Application::BringToFront);
}

Application::~Application() {
  delete mdi_;
  delete exitScreen_;
}

bool Application::StartApplication(const QDate& today) {
  if (!lock_.TryAcquire()) {
    ShowMessage(tr(kAlreadyRunning), MessageIcon::Information);
    return false;
  }
  UpdateReminder(today);

  frmMain_ = std::make_unique<FrmMain>();
  library_ = AttachLibraryMenu(frmMain_.get(), libraryPath_);
  formView_ = new ViewMenu(frmMain_.get());
  connect(formView_, &ViewMenu::chartStyleChosen, this,
          &Application::ShowChartStyle);
  connect(frmMain_.get(), &FrmMain::calculationRequested, this,
          &Application::OnCalculationRequested);
  connect(frmMain_.get(), &FrmMain::aboutRequested, this,
          &Application::ShowAbout);
  connect(frmMain_.get(), &FrmMain::closedByUser, this,
          &Application::ShowExitScreen);
  frmMain_->show();
  return true;
}

void Application::OnCalculationRequested(const Birth& birth) {
  const ChartResult result = Calculate(birth);
  const Language language = UiLanguage();
  ResultPage page{
      PresentResult(birth, result, language),
      HoraLagnaSummary(result, language),
      HowItWasFound(birth, result, language), SavedChartStyle(),
      PresentHoraLagna(result, ReadHoraLagna(birth, result, {}), language)};
  // A birth given by its coordinates alone is named by the nearest place.
  if (birth.city.empty()) {
    if (const std::optional<NearPlace> near =
            NearestPlace(birth.latitudeDegrees, birth.longitudeDegrees)) {
      page.view.lblCity = FrmMainAtlas::NearPlaceText(*near).toStdString();
    }
  }

  // A fresh window for every calculation; an old one still open goes
  // without bringing up the exit screen.
  if (mdi_) {
    mdi_->disconnect(this);
    mdi_->close();
  }
  mdi_ = new MDI;
  mdi_->frmDisplay()->Show(page.view);
  mdi_->frmDisplay()->ShowExplanation(page.summary, page.howItWasFound);
  const ChartStyle style = page.chartStyle;
  mdi_->SetResultPage(std::move(page));
  mdi_->SetChartStyle(style);
  resultView_ = new ViewMenu(mdi_);
  connect(resultView_, &ViewMenu::chartStyleChosen, this,
          &Application::ShowChartStyle);
  connect(mdi_, &MDI::backRequested, this, &Application::BackToInputForm);
  connect(mdi_, &MDI::exitRequested, this, &Application::ShowExitScreen);
  connect(mdi_, &MDI::aboutRequested, this, &Application::ShowAbout);
  connect(mdi_, &MDI::saveBirthRequested, this, [this, birth] {
    if (!library_ || !mdi_) return;
    library_->Save(birth, mdi_, [window = mdi_](const QString& note) {
      if (window) window->ShowNote(note);
    });
  });

  if (frmMain_) frmMain_->hide();
  mdi_->show();
  // The result window takes the keyboard, so "&Back" and "E&xit" answer at
  // once.
  mdi_->raise();
  mdi_->activateWindow();
}

void Application::ShowAbout() {
  FrmAbout about(QApplication::activeWindow());
  about.exec();
}

void Application::ShowExitScreen() {
  if (!exitScreen_) {
    exitScreen_ = new FrmExitScreen;
    exitScreen_->setAttribute(Qt::WA_DeleteOnClose);
  }
  exitScreen_->show();
  exitScreen_->raise();
}

void Application::BringToFront() {
  QWidget* window = nullptr;
  if (exitScreen_ && exitScreen_->isVisible()) {
    window = exitScreen_;
  } else if (mdi_ && mdi_->isVisible()) {
    window = mdi_;
  } else if (frmMain_ && frmMain_->isVisible()) {
    window = frmMain_.get();
  }
  if (window == nullptr) return;
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->raise();
  window->activateWindow();
}

void Application::ShowChartStyle(ChartStyle style) {
  if (mdi_) mdi_->SetChartStyle(style);
  for (ViewMenu* menu : {formView_.data(), resultView_.data()}) {
    if (menu) menu->ShowChartStyle(style);
  }
}

void Application::BackToInputForm() {
  if (exitScreen_) exitScreen_->hide();
  if (frmMain_) {
    frmMain_->show();
    frmMain_->raise();
    frmMain_->activateWindow();
  }
}

}  // namespace tarvelin
