// FrmMain::ShowBirth: the input form filled with a birth, box by box, as
// the user would have typed it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "tables/zone_table.h"
#include "widgets/input/frm_main.h"
#include "widgets/input/frm_main_atlas.h"

namespace tarvelin {
namespace {

// The longest coordinates the boxes take: 179°59' and 89°59'.
constexpr int kMaxLonDegrees = 179;
constexpr int kMaxLatDegrees = 89;

void SetAngle(double degrees, int maxDegrees, QLineEdit* degreeBox,
              QLineEdit* minuteBox, QRadioButton* positive,
              QRadioButton* negative) {
  const DegreesMinutes angle = ToDegreesMinutes(degrees, maxDegrees);
  degreeBox->setText(QString::number(angle.degrees));
  minuteBox->setText(QString::number(angle.minutes));
  (angle.negative ? negative : positive)->setChecked(true);
}

void SelectNumber(QComboBox* list, int number) {
  list->setCurrentIndex(list->findText(QString::number(number)));
}

}  // namespace

bool FrmMain::ShowBirth(const Birth& birth) {
  if (birth.zoneIndex < 0 || birth.zoneIndex >= kZoneCount) return false;
  // The place is the saved one, not a city the atlas would work out again.
  if (auto* atlas = findChild<FrmMainAtlas*>()) atlas->ForgetCity();

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
  SetAngle(birth.longitudeDegrees, kMaxLonDegrees, txtLonD, txtLonM,
           optLongEast, optLongWest);
  SetAngle(birth.latitudeDegrees, kMaxLatDegrees, txtLatD, txtLatM, optLatNorth,
           optLatSouth);
  cmbTimeZone->setCurrentIndex(birth.zoneIndex);
  chkDST->setChecked(birth.daylightSavingSeconds != 0);
  cmdRashi->setFocus();
  return true;
}

}  // namespace tarvelin
