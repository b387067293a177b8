// SPDX-License-Identifier: GPL-3.0-or-later
// Tarvelin's application controller: start-up (single copy, update
// reminder, input form), the hand-over from the input form to a fresh result
// window after each calculation, and the way out through the exit screen.
#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>
#include <memory>

#include "chart/birth.h"
#include "shell/frm_exit_screen.h"
#include "shell/mdi.h"
#include "shell/single_instance.h"

namespace tarvelin {

class FrmMain;
class LibraryMenu;
class ViewMenu;

class Application : public QObject {
  Q_OBJECT

 public:
  // `libraryPath`: the birth library the input form's File menu uses
  // (empty: the per-user one).
  explicit Application(
      const QString& lockPath = SingleInstanceLock::DefaultPath(),
      QObject* parent = nullptr, QString libraryPath = {});
  ~Application() override;

  // The start-up sequence. When another copy is running it says so and
  // returns false: nothing is shown and the caller ends. Otherwise it runs
  // the update reminder for `today`, shows the input form and returns true.
  bool StartApplication(const QDate& today = QDate::currentDate());

  FrmMain* inputForm() const { return frmMain_.get(); }
  MDI* resultWindow() const { return mdi_; }
  FrmExitScreen* exitScreen() const { return exitScreen_; }

 public slots:
  // "Get My Hora Lagna" with a valid birth: calculate, open a fresh result
  // window filled with the view, and swap it for the input form.
  void OnCalculationRequested(const tarvelin::Birth& birth);
  void ShowAbout();
  void ShowExitScreen();
  void BackToInputForm();
  // A second copy was started: the window in use comes to the front (out
  // of the task bar if it was minimised).
  void BringToFront();
  // "Chart Style" in either window's View menu: the result window, if open,
  // redraws at once; both menus tick the style.
  void ShowChartStyle(tarvelin::ChartStyle style);

 private:
  SingleInstanceLock lock_;
  QString libraryPath_;
  std::unique_ptr<FrmMain> frmMain_;
  QPointer<MDI> mdi_;
  QPointer<FrmExitScreen> exitScreen_;
  QPointer<ViewMenu> formView_, resultView_;
  QPointer<LibraryMenu> library_;  // the input form's, which the result
                                   // window's "Save Birth" uses too
};

}  // namespace tarvelin
