#include "widgets/input/frm_main_atlas.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <algorithm>

#include "widgets/common/app_seams.h"
#include "widgets/input/frm_main.h"
#include "widgets/input/zone_choice.h"

namespace tarvelin {
namespace {

// How many cities the list under the City box offers at most.
constexpr std::size_t kOfferedCities = 15;

void SetAngle(const DegreesMinutes& angle, QLineEdit* degrees,
              QLineEdit* minutes, QRadioButton* positive,
              QRadioButton* negative) {
  degrees->setText(QString::number(angle.degrees));
  minutes->setText(QString::number(angle.minutes));
  (angle.negative ? negative : positive)->setChecked(true);
}

int ListNumber(const QComboBox* list) {
  return list->currentText().trimmed().toInt();
}

}  // namespace

FrmMainAtlas::FrmMainAtlas(FrmMain* form)
    : QObject(form),
      form_(form),
      completer_(new QCompleter(this)),
      offeredLabels_(new QStringListModel(this)) {
  setObjectName("frmMainAtlas");
  completer_->setObjectName("cityCompleter");
  completer_->setModel(offeredLabels_);
  // The atlas has already chosen and ordered the matches ("York" offers New
  // York too): the list shows them as they are.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setMaxVisibleItems(static_cast<int>(kOfferedCities));
  completer_->setWidget(form_->txtMCity);

  connect(form_->txtMCity, &QLineEdit::textEdited, this,
          &FrmMainAtlas::txtMCity_TextEdited);
  // Checked when an edit is finished (and before computing), so that
  // retyping the name letter by letter is judged by what it ends as.
  for (QLineEdit* box :
       {form_->txtMCity, form_->txtMState, form_->txtMCountry}) {
    connect(box, &QLineEdit::editingFinished, this,
            &FrmMainAtlas::DropPlaceUnlessStillNamed);
  }
  connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
          &FrmMainAtlas::cityCompleter_Activated);
  for (QComboBox* list : {form_->cboMonth, form_->cboDate, form_->cboYear,
                          form_->cboHH, form_->cboMM, form_->cboSS}) {
    connect(list, &QComboBox::currentIndexChanged, this,
            &FrmMainAtlas::BirthTimeChanged);
  }
}

void FrmMainAtlas::txtMCity_TextEdited(const QString& text) {
  offered_ = FindCities(text.toStdString(), kOfferedCities);
  QStringList labels;
  for (const AtlasCity& city : offered_) {
    labels.append(QString::fromStdString(CityLabel(city)));
  }
  offeredLabels_->setStringList(labels);
  if (labels.isEmpty()) {
    completer_->popup()->hide();
  } else {
    completer_->complete();
  }
}

void FrmMainAtlas::cityCompleter_Activated(const QString& label) {
  for (const AtlasCity& city : offered_) {
    if (QString::fromStdString(CityLabel(city)) == label) {
      FillPlace(city);
      return;
    }
  }
}

void FrmMainAtlas::BirthTimeChanged() {
  if (chosen_) WorkOutZone(false);
}

bool FrmMainAtlas::StillNamesChosenCity() const {
  if (!chosen_) return false;
  std::string text = form_->txtMCity->text().toStdString();
  for (const QLineEdit* box : {form_->txtMState, form_->txtMCountry}) {
    if (!box->text().trimmed().isEmpty()) {
      text += ", " + box->text().toStdString();
    }
  }
  const std::string label = CityLabel(*chosen_);
  for (const AtlasCity& city : CitiesNamed(text)) {
    if (CityLabel(city) == label &&
        city.latitudeDegrees == chosen_->latitudeDegrees &&
        city.longitudeDegrees == chosen_->longitudeDegrees) {
      return true;
    }
  }
  return false;
}

void FrmMainAtlas::DropPlaceUnlessStillNamed() {
  if (!chosen_ || StillNamesChosenCity()) return;
  // What the atlas filled belonged to the city no longer named: the
  // coordinates, the zone and the box go with it.
  chosen_.reset();
  for (QLineEdit* box :
       {form_->txtLonD, form_->txtLonM, form_->txtLatD, form_->txtLatM}) {
    box->clear();
  }
  form_->optLongEast->setChecked(true);
  form_->optLatNorth->setChecked(true);
  form_->zoneChoice->Reset();
  lastHadEntry_ = true;
  lastNote_.clear();
}

void FrmMainAtlas::FillPlace(const AtlasCity& city) {
  chosen_ = city;
  form_->txtMCity->setText(QString::fromStdString(city.name));
  form_->txtMState->setText(QString::fromStdString(city.state));
  form_->txtMCountry->setText(QString::fromStdString(city.country));
  const BirthPlace place = PlaceAtBirth(city, LocalBirth());
  SetAngle(place.longitude, form_->txtLonD, form_->txtLonM, form_->optLongEast,
           form_->optLongWest);
  SetAngle(place.latitude, form_->txtLatD, form_->txtLatM, form_->optLatNorth,
           form_->optLatSouth);
  WorkOutZone(true);
}

void FrmMainAtlas::WorkOutZone(bool newCity) {
  const BirthPlace place = PlaceAtBirth(*chosen_, LocalBirth());
  if (place.zoneChoice) {
    // An entry and the box give the offset in force exactly.
    form_->zoneChoice->SelectEntry(place.zoneChoice->position,
                                   place.zoneChoice->daylightSaving);
  } else if (place.zone) {
    form_->zoneChoice->SelectExactOffset(place.zone->utcOffsetSeconds,
                                         place.zone->daylightSavingSeconds,
                                         place.city.ianaZone);
  } else if (newCity || lastHadEntry_) {
    // The database does not know the zone: the user chooses.
    ShowMessage(QString::fromStdString(UnknownZoneMessage(place)),
                MessageIcon::Information, MessageButtons::Ok, form_);
  }
  lastHadEntry_ = place.zone.has_value();
  if (const auto message = ClockChangeMessage(place)) {
    ShowMessage(QString::fromStdString(*message), MessageIcon::Information,
                MessageButtons::Ok, form_);
  }
  // The note on a city's own time, once for each birth it applies to.
  const std::string note = CityTimeNote(place).value_or("");
  if (!note.empty() && (newCity || note != lastNote_)) {
    ShowMessage(QString::fromStdString(note), MessageIcon::Information,
                MessageButtons::Ok, form_);
  }
  lastNote_ = note;
}

CivilDateTime FrmMainAtlas::LocalBirth() const {
  CivilDateTime birth;
  birth.year = ListNumber(form_->cboYear);
  // A list without a selection reads as its first entry.
  birth.month = std::max(form_->cboMonth->currentIndex(), 0) + 1;
  birth.day = std::max(ListNumber(form_->cboDate), 1);
  birth.hour = ListNumber(form_->cboHH);
  birth.minute = ListNumber(form_->cboMM);
  birth.second = ListNumber(form_->cboSS);
  return birth;
}

}  // namespace tarvelin
