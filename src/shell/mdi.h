// SPDX-License-Identifier: GPL-3.0-or-later
// The result window: a frame around the result form with a top bar ("Back",
// "Exit"), an offer in the bottom bar and the menus. Each calculation opens
// a fresh one; it deletes itself when closed.
#pragma once

#include <QMainWindow>
#include <optional>

#include "print/result_page.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace tarvelin {

class FrmDisplay;

class MDI : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDI(QWidget* parent = nullptr);

  FrmDisplay* frmDisplay() const { return frmDisplay_; }
  // The page that "Print…", "Export PDF…" and "Export Image…" put out;
  // until it is given they are disabled.
  void SetResultPage(ResultPage page);
  // Draws the chart, on screen and on the page, in `style`.
  void SetChartStyle(ChartStyle style);
  QMdiSubWindow* displayWindow() const { return displayWindow_; }
  // The size at which the whole result form shows without scrolling at
  // its current scale.
  QSize FittingSize() const;
  // The window's size (frame not counted) with the form at `scale`.
  QSize SizeForScale(double scale) const;
  // A line in the bottom bar: what "Save Birth" did.
  void ShowNote(const QString& note);

 signals:
  // The window closed by "Back": the input form should come back.
  void backRequested();
  // The window closed by "Exit" or its close box: the exit screen should
  // come up. Emitted before the window goes away.
  void exitRequested();
  // "About Software".
  void aboutRequested();
  // "Save Birth" (Ctrl+S): the birth shown should be saved.
  void saveBirthRequested();

 public slots:
  void cmdBack_Click();
  void cmdExit_Click();
  void Print();
  void ExportPdf();
  void ExportImage();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MDIForm_Resize();
  // The form at the largest scale the area holds, centred in it.
  void ScaleToArea();
  // Opens at the size whose form scale fits the screen's free area.
  void FitToScreen();
  // Pulls the window, frame and all, inside the screen's free area.
  void KeepFrameOnScreen();
  void BuildMenus();

  // Controls and menu items, each with its name as its objectName.
  QWidget *picTop = nullptr, *Picture1 = nullptr;
  QLabel *Label2 = nullptr, *Label10 = nullptr, *lblNote = nullptr;
  QPushButton *cmdBack = nullptr, *cmdExit = nullptr;
  QMdiArea* mdiArea = nullptr;
  QAction* mnuSaveBirth = nullptr;
  QAction *mnuPrint = nullptr, *mnuExportPdf = nullptr,
          *mnuExportImage = nullptr;
  QAction *mnuBack = nullptr, *mnuExit = nullptr, *mnuOnline = nullptr,
          *mnuVisit = nullptr, *mnuUpdate = nullptr, *mnuAbout = nullptr,
          *mnuDonate = nullptr, *mm = nullptr;

  FrmDisplay* frmDisplay_ = nullptr;
  QMdiSubWindow* displayWindow_ = nullptr;
  bool leavingByBack_ = false;
  // The sub-window's title bar and borders around the form.
  QSize chrome_;
  std::optional<ResultPage> page_;
};

}  // namespace tarvelin
