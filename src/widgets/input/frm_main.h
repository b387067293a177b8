// The input form: the window a user sees first. It gathers a birth, checks
// it and hands it over; it computes nothing itself.
#pragma once

#include <QMainWindow>
#include <QMetaType>
#include <optional>

#include "chart/birth.h"
#include "rules/validation.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvelin {

class FrmMainAtlas;
class ZoneChoice;

class FrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);
  // Removes the atlas first: the boxes it watches report a last edit while
  // the window is taken apart.
  ~FrmMain() override;

  // The form's entries as a birth, when ValidateInput passes; otherwise the
  // first problem's message has been shown, the focus moved, and nothing.
  std::optional<Birth> ValidatedInput();

  // Fills every box with `birth` (a saved one being opened), ready for "Get
  // My Hora Lagna"; a city chosen from the atlas before is forgotten. The
  // birth must carry a zone-list entry: the form has no box for an exact
  // offset, so without one nothing changes and false comes back.
  // (frm_main_birth.cpp)
  bool ShowBirth(const Birth& birth);

  // The controls, named as the system names them, for the shell and tests.
  QLineEdit* txtName = nullptr;
  QComboBox *cboMonth = nullptr, *cboDate = nullptr, *cboYear = nullptr;
  QComboBox *cboHH = nullptr, *cboMM = nullptr, *cboSS = nullptr;
  QPushButton* cmdRashi = nullptr;
  QLineEdit *txtMCity = nullptr, *txtMState = nullptr, *txtMCountry = nullptr;
  QPushButton* cmdBrowser = nullptr;
  QComboBox* cmbTimeZone = nullptr;
  QCheckBox* chkDST = nullptr;
  ZoneChoice* zoneChoice = nullptr;  // the list and box, exact offsets too
  QLineEdit *txtLonD = nullptr, *txtLonM = nullptr;
  QRadioButton *optLongEast = nullptr,
               *optLongWest = nullptr;  // optLong(0), (1)
  QLineEdit *txtLatD = nullptr, *txtLatM = nullptr;
  QRadioButton *optLatNorth = nullptr,
               *optLatSouth = nullptr;  // optLat(0), (1)
  QLabel *lblCobrand = nullptr, *lblFullBrand = nullptr, *Label61 = nullptr;
  QAction *mnuNext = nullptr, *mnuExit = nullptr, *mnuOnline = nullptr,
          *mnuVisit = nullptr, *mnuUpdate = nullptr, *mnuAbout = nullptr,
          *mnuDonate = nullptr, *mkmoney = nullptr;

 signals:
  // "Get My Hora Lagna" with a valid birth.
  void calculationRequested(const tarvelin::Birth& birth);
  // "&About Software".
  void aboutRequested();
  // The form was closed by the user (menu "E&xit" or the close box); the
  // shell shows the exit screen. Hiding the form does not emit it, and
  // neither does closing it while it is hidden.
  void closedByUser();

 public slots:
  void cmdRashi_Click();
  void cmdBrowser_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Enter anywhere on the form presses "Get My Hora Lagna" (a focused
  // button presses itself).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QGroupBox* BuildPersonalDetails();
  QGroupBox* BuildPlaceDetails();
  QGroupBox* BuildZone();
  QGroupBox* BuildLongitude();
  QGroupBox* BuildLatitude();
  QGroupBox* BuildPromotion();
  void BuildMenus();
  void SetTabOrder();
  void FillLists();
  QWidget* FocusTarget(InputField field) const;

  FrmMainAtlas* atlas_ = nullptr;
};

}  // namespace tarvelin

Q_DECLARE_METATYPE(tarvelin::Birth)
