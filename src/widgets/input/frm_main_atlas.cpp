#include "widgets/input/frm_main_atlas.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>

#include "widgets/common/app_seams.h"
#include "widgets/input/frm_main.h"

namespace tarvelin {
namespace {

// How many cities the list under the City box offers at most.
constexpr std::size_t kOfferedCities = 15;

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
  connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
          &FrmMainAtlas::cityCompleter_Activated);
  // The form sets the list under its City box and connects its boxes and
  // lists to the slots.
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
  std::string text = form_->cityText().toStdString();
  for (const QString& part : {form_->stateText(), form_->countryText()}) {
    if (!part.trimmed().isEmpty()) text += ", " + part.toStdString();
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
  form_->ClearCoordinatesAndZone();
  lastHadEntry_ = true;
  lastNote_.clear();
}

void FrmMainAtlas::FillPlace(const AtlasCity& city) {
  chosen_ = city;
  const BirthPlace place = PlaceAtBirth(city, form_->ListedBirthTime());
  form_->ShowPlace(
      QString::fromStdString(city.name), QString::fromStdString(city.state),
      QString::fromStdString(city.country), place.longitude, place.latitude);
  WorkOutZone(true);
}

void FrmMainAtlas::WorkOutZone(bool newCity) {
  const BirthPlace place = PlaceAtBirth(*chosen_, form_->ListedBirthTime());
  if (place.zoneChoice) {
    // An entry and the box give the offset in force exactly.
    form_->SelectZoneEntry(place.zoneChoice->position,
                           place.zoneChoice->daylightSaving);
  } else if (place.zone) {
    form_->SelectExactOffset(place.zone->utcOffsetSeconds,
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

}  // namespace tarvelin
