// SPDX-License-Identifier: GPL-3.0-or-later
// FrmMain::ShowBirth: the input form filled with a birth, box by box, as
// the user would have typed it; and the reading and filling the atlas does.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStringList>
#include <algorithm>

#include "chart/birth_limits.h"
#include "rules/birth_check.h"
#include "rules/text_readers.h"
#include "tables/zone_table.h"
#include "widgets/input/frm_main.h"
#include "widgets/input/frm_main_atlas.h"
#include "widgets/input/typed_list.h"
#include "widgets/input/zone_choice.h"

namespace tarvelin {
namespace {

void SetAngle(const DegreesMinutes& angle, QLineEdit* degreeBox,
              QLineEdit* minuteBox, QRadioButton* positive,
              QRadioButton* negative) {
  degreeBox->setText(QString::number(angle.degrees));
  minuteBox->setText(QString::number(angle.minutes));
  (angle.negative ? negative : positive)->setChecked(true);
}

void SetAngle(double degrees, int maxDegrees, QLineEdit* degreeBox,
              QLineEdit* minuteBox, QRadioButton* positive,
              QRadioButton* negative) {
  SetAngle(ToDegreesMinutes(degrees, maxDegrees), degreeBox, minuteBox,
           positive, negative);
}

// The number of a list's entry (each keeps its own), and the entry of a
// number.
int ListNumber(const QComboBox* list) { return list->currentData().toInt(); }

void SelectNumber(QComboBox* list, int number) {
  list->setCurrentIndex(list->findData(number));
}

}  // namespace

bool FrmMain::ShowBirth(const Birth& birth) {
  const bool exact = birth.zoneIndex == Birth::kExactOffset;
  if (!exact && (birth.zoneIndex < 0 || birth.zoneIndex >= kZoneCount)) {
    return false;
  }
  // The place is the saved one, not a city the atlas would work out again.
  if (atlas_ != nullptr) atlas_->PlaceShown(QString::fromStdString(birth.city));

  txtName->setText(QString::fromStdString(birth.name));
  SelectNumber(cboYear, birth.local.year);
  cboMonth->setCurrentIndex(birth.local.month - 1);
  SelectNumber(cboDate, birth.local.day);
  SelectNumber(cboHH, birth.local.hour);
  SelectNumber(cboMM, birth.local.minute);
  SelectNumber(cboSS, birth.local.second);
  txtMCity->setText(QString::fromStdString(birth.city));
  txtMState->setText(QString::fromStdString(birth.state));
  txtMCountry->setText(QString::fromStdString(birth.country));
  SetAngle(birth.longitudeDegrees, kMaxLongitudeDegrees, txtLonD, txtLonM,
           optLongEast, optLongWest);
  SetAngle(birth.latitudeDegrees, kMaxLatitudeDegrees, txtLatD, txtLatM,
           optLatNorth, optLatSouth);
  shownPosition_ = ShownPosition{
      Position{birth.latitudeDegrees, birth.longitudeDegrees}, PositionBoxes()};
  if (exact) {
    zoneChoice->SelectExactOffset(birth.utcOffsetSeconds,
                                  birth.daylightSavingSeconds, birth.atlasZone);
  } else {
    zoneChoice->SelectEntry(birth.zoneIndex, birth.daylightSavingSeconds != 0);
  }
  cmdRashi->setFocus();
  return true;
}

QString FrmMain::PositionBoxes() const {
  return QStringList{
      txtLonD->text(), txtLonM->text(), optLongWest->isChecked() ? "W" : "E",
      txtLatD->text(), txtLatM->text(), optLatSouth->isChecked() ? "S" : "N"}
      .join('|');
}

QString FrmMain::cityText() const { return txtMCity->text(); }
QString FrmMain::stateText() const { return txtMState->text(); }
QString FrmMain::countryText() const { return txtMCountry->text(); }

CivilDateTime FrmMain::ListedBirthTime() const {
  CivilDateTime birth;
  birth.year = ListNumber(cboYear);
  birth.month = std::max(cboMonth->currentIndex(), 0) + 1;
  birth.day = std::max(ListNumber(cboDate), 1);
  birth.hour = ListNumber(cboHH);
  birth.minute = ListNumber(cboMM);
  birth.second = ListNumber(cboSS);
  return birth;
}

std::optional<FrmMain::Position> FrmMain::TypedPosition() const {
  // The boxes read as the form's check reads them.
  const auto box = [](const QLineEdit* b, std::size_t digits) {
    return ReadBoxNumber(b->text().toStdString(), digits);
  };
  const auto lonD = box(txtLonD, kLongitudeDegreeDigits);
  const auto lonM = box(txtLonM, kMinuteDigits);
  const auto latD = box(txtLatD, kLatitudeDegreeDigits);
  const auto latM = box(txtLatM, kMinuteDigits);
  if (AngleProblem(lonD, lonM, true) || AngleProblem(latD, latM, false)) {
    return std::nullopt;
  }
  return Position{DegreesFromEntry(*latD, *latM, optLatSouth->isChecked()),
                  DegreesFromEntry(*lonD, *lonM, optLongWest->isChecked())};
}

void FrmMain::ShowPlace(const QString& city, const QString& state,
                        const QString& country, const DegreesMinutes& longitude,
                        const DegreesMinutes& latitude) {
  txtMCity->setText(city);
  txtMState->setText(state);
  txtMCountry->setText(country);
  shownPosition_.reset();
  SetAngle(longitude, txtLonD, txtLonM, optLongEast, optLongWest);
  SetAngle(latitude, txtLatD, txtLatM, optLatNorth, optLatSouth);
  // Filled just after the person tabbed into it: typed over, as a box
  // tabbed into is.
  if (auto* box = qobject_cast<QLineEdit*>(focusWidget());
      box != nullptr && box != txtMCity) {
    box->selectAll();
  }
}

void FrmMain::ClearPlaceParts(const PlaceParts& parts) {
  if (parts.stateAndCountry) {
    txtMState->clear();
    txtMCountry->clear();
  }
  if (parts.coordinates) {
    shownPosition_.reset();
    for (QLineEdit* box : {txtLonD, txtLonM, txtLatD, txtLatM}) box->clear();
    optLongEast->setChecked(true);
    optLatNorth->setChecked(true);
  }
  if (parts.zone) zoneChoice->Reset();
}

void FrmMain::ShowNote(const QString& note) { statusBar()->showMessage(note); }

void FrmMain::SelectZoneEntry(int position, bool daylightSaving) {
  zoneChoice->SelectEntry(position, daylightSaving);
}

void FrmMain::SelectExactOffset(int utcOffsetSeconds, int daylightSavingSeconds,
                                const std::string& atlasZone) {
  zoneChoice->SelectExactOffset(utcOffsetSeconds, daylightSavingSeconds,
                                atlasZone);
}

}  // namespace tarvelin
