// SPDX-License-Identifier: GPL-3.0-or-later
// The input form: the window a user sees first. It gathers a birth, checks
// it and hands it over; it computes nothing itself.
#pragma once

#include <QMainWindow>
#include <QMetaType>
#include <optional>
#include <string>

#include "chart/birth.h"
#include "rules/validation.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tarvelin {

class FrmMainAtlas;
class TypedList;
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
  // Shows a check's message and puts the cursor where it is mended.
  void ShowProblem(const InputProblem& problem);

  // Fills every box with `birth` (a saved one being opened), ready for "Get
  // My Hora Lagna"; a city chosen from the atlas before is forgotten. An
  // exact offset goes into the zone list's entry for one; coordinates finer
  // than the boxes' minutes are computed as saved while the boxes still
  // show them, so the birth opened is the birth computed. False (and
  // nothing changed) for a zone entry the list does not have.
  // (frm_main_birth.cpp)
  bool ShowBirth(const Birth& birth);

  // How many minutes either side of the time the birth may have been: the
  // "± minutes" box; 0 ("none") when the time is taken as exact.
  int TimeUncertaintyMinutes() const;

  // The "File" menu, for the shell to add its entries to.
  QMenu* fileMenu() const { return mnuFile; }

  // What the atlas (FrmMainAtlas) reads and fills; every box stays
  // editable. (frm_main_birth.cpp)
  // The City, State and Country boxes as typed.
  QString cityText() const;
  QString stateText() const;
  QString countryText() const;
  // The birth date and time as the lists show them; a list without a
  // selection reads as its first entry.
  CivilDateTime ListedBirthTime() const;
  // The coordinates as typed, when all four boxes hold numbers within the
  // boxes' ranges (179°59' and 89°59'); nothing otherwise.
  struct Position {
    double latitudeDegrees = 0, longitudeDegrees = 0;
  };
  std::optional<Position> TypedPosition() const;
  // Fills City, State, Country and the longitude and latitude boxes.
  void ShowPlace(const QString& city, const QString& state,
                 const QString& country, const DegreesMinutes& longitude,
                 const DegreesMinutes& latitude);
  // What a place (an atlas city, a saved birth) put into the boxes and the
  // person has not typed over since.
  struct PlaceParts {
    bool stateAndCountry = false;
    bool coordinates = false;
    bool zone = false;
  };
  // Empties those parts: State and Country; the longitude and latitude
  // boxes (East, North); the zone back to the first entry with the
  // daylight-saving box clear.
  void ClearPlaceParts(const PlaceParts& parts);
  // A note in the status bar ("... is not in the atlas ...").
  void ShowNote(const QString& note);
  // Selects a zone-list entry (0..70) and sets the daylight-saving box.
  void SelectZoneEntry(int position, bool daylightSaving);
  // Selects an exact offset of the atlas's zone `atlasZone`.
  void SelectExactOffset(int utcOffsetSeconds, int daylightSavingSeconds,
                         const std::string& atlasZone);

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

 private:
  QGroupBox* BuildPersonalDetails();
  QGroupBox* BuildPlaceDetails();
  QGroupBox* BuildZone();
  QGroupBox* BuildLongitude();
  QGroupBox* BuildLatitude();
  QGroupBox* BuildPromotion();
  void BuildMenus();
  void SetTabOrder();
  // Every box, list and button gets the name a screen reader says.
  void NameForScreenReaders();
  void FillLists();
  QWidget* FocusTarget(InputField field) const;
  // Enter anywhere on the form: "Get My Hora Lagna", or the focused button.
  void EnterPressed();

  // The four coordinate boxes and both hemispheres, as one text.
  QString PositionBoxes() const;

  FrmMainAtlas* atlas_ = nullptr;
  // The saved birth's own coordinates and the boxes as ShowBirth filled
  // them; until the boxes change, the birth is computed there.
  struct ShownPosition {
    Position exact;
    QString boxes;
  };
  std::optional<ShownPosition> shownPosition_;

  // The controls, named as the system names them; tests find them by
  // their object names.
  QLineEdit* txtName = nullptr;
  TypedList *cboMonth = nullptr, *cboDate = nullptr, *cboYear = nullptr;
  TypedList *cboHH = nullptr, *cboMM = nullptr, *cboSS = nullptr;
  QSpinBox* spnTimeUncertainty = nullptr;
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
  QMenu* mnuFile = nullptr;
  QAction *mnuNext = nullptr, *mnuExit = nullptr, *mnuOnline = nullptr,
          *mnuVisit = nullptr, *mnuUpdate = nullptr, *mnuAbout = nullptr,
          *mnuDonate = nullptr, *mkmoney = nullptr;
  QAction* actEnter = nullptr;  // Enter, Return: see BuildMenus
};

}  // namespace tarvelin

Q_DECLARE_METATYPE(tarvelin::Birth)
