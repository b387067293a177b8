// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/input/frm_main_atlas.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStringListModel>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "tables/utc_offset.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/ui_language.h"
#include "widgets/input/city_box.h"
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

  nearestZone_ = new QPushButton(form_->statusBar());
  nearestZone_->setObjectName("cmdNearestZone");
  nearestZone_->hide();
  form_->statusBar()->addPermanentWidget(nearestZone_);
  connect(nearestZone_, &QPushButton::clicked, this, [this] {
    if (!nearest_) return;
    const BirthPlace place = PlaceAtBirth(*nearest_, form_->ListedBirthTime());
    if (!SelectZoneOf(place)) return;
    nearestZone_->hide();
    form_->ShowNote(tr("The zone of %1 at the birth is selected")
                        .arg(QString::fromStdString(CityLabel(place.city))));
    if (const auto message = ClockChangeText(place)) {
      ShowMessage(ShownText(*message), MessageIcon::Information,
                  MessageButtons::Ok, form_);
    }
  });
}

void FrmMainAtlas::OfferNearestZone() {
  nearest_.reset();
  nearestZone_->hide();
  const std::optional<FrmMain::Position> typed = form_->TypedPosition();
  if (!typed || !form_->cityText().trimmed().isEmpty()) return;
  const std::optional<NearPlace> near =
      NearestPlace(typed->latitudeDegrees, typed->longitudeDegrees);
  if (!near) return;
  const BirthPlace place = PlaceAtBirth(near->city, form_->ListedBirthTime());
  if (!place.zone) return;
  nearest_ = near->city;
  const QString offer =
      tr("Use the zone of the nearest place, %1 (%2): %3 at the birth")
          .arg(QString::fromStdString(CityLabel(near->city)),
               DistanceText(near->kilometres),
               QString::fromStdString(
                   UtcOffsetText(place.zone->utcOffsetSeconds)));
  // The form keeps its size: a long name is shortened in its middle, and
  // the whole offer is the button's tool tip.
  const int room = form_->centralWidget()->width();
  const int padding = 4 * nearestZone_->fontMetrics().averageCharWidth();
  nearestZone_->setMaximumWidth(room);
  nearestZone_->setText(nearestZone_->fontMetrics().elidedText(
      offer, Qt::ElideMiddle, room - padding));
  nearestZone_->setToolTip(offer);
  nearestZone_->show();
}

QString FrmMainAtlas::DistanceText(double kilometres) {
  const long km = std::lround(kilometres);
  return km < 1 ? tr("under 1 km") : tr("%1 km").arg(km);
}

QString FrmMainAtlas::NearPlaceText(const NearPlace& near) {
  return tr("near %1, %2")
      .arg(QString::fromStdString(CityLabel(near.city)),
           DistanceText(near.kilometres));
}

bool FrmMainAtlas::SelectZoneOf(const BirthPlace& place) {
  if (place.zoneChoice) {
    // An entry and the box give the offset in force exactly.
    form_->SelectZoneEntry(place.zoneChoice->position,
                           place.zoneChoice->daylightSaving);
  } else if (place.zone) {
    form_->SelectExactOffset(place.zone->utcOffsetSeconds,
                             place.zone->daylightSavingSeconds,
                             place.city.ianaZone);
  } else {
    return false;
  }
  return true;
}

void FrmMainAtlas::txtMCity_TextEdited(const QString& text) {
  cityTyped_ = true;
  offeredFor_.clear();
  Offer(FindCities(text.toStdString(), kOfferedCities));
  // Without its file the atlas knows no place: say why.
  if (const auto problem = AtlasProblemText()) {
    form_->ShowNote(ShownText(*problem));
  }
}

void FrmMainAtlas::Offer(std::vector<AtlasCity> cities) {
  offered_ = std::move(cities);
  QStringList labels;
  for (const AtlasCity& city : offered_) {
    labels.append(QString::fromStdString(CityLabel(city)));
  }
  offeredLabels_->setStringList(labels);
  QAbstractItemView* popup = completer_->popup();
  if (labels.isEmpty()) {
    if (popup->isVisible()) popup->hide();
    return;
  }
  // As wide as the longest label ("..., United States" whole), never
  // narrower than the box.
  QWidget* box = completer_->widget();
  int width = box->width();
  for (const QString& label : labels) {
    width = std::max(width, popup->fontMetrics().horizontalAdvance(label));
  }
  width += 2 * popup->frameWidth() +
           popup->verticalScrollBar()->sizeHint().width() +
           2 * popup->fontMetrics().averageCharWidth();
  completer_->complete(
      QRect(0, 0, std::max(width, box->width()), box->height()));
  // Nothing is taken until the person moves to it: Enter on the list as
  // it opens leaves the typed text to be looked up whole.
  popup->setCurrentIndex(QModelIndex());
}

void FrmMainAtlas::cityCompleter_Activated(const QString& label) {
  for (const AtlasCity& city : offered_) {
    if (QString::fromStdString(CityLabel(city)) == label) {
      FillPlace(city);
      return;
    }
  }
}

void FrmMainAtlas::CityBoxLeft() { SettleCityBox(); }

void FrmMainAtlas::WatchCityBox(QWidget* box) {
  completer_->setWidget(box);
  box->installEventFilter(this);
  completer_->popup()->installEventFilter(this);
}

bool FrmMainAtlas::eventFilter(QObject* watched, QEvent* event) {
  if (watched == completer_->popup() &&
      (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    emit cityListShown(event->type() == QEvent::Show);
  }
  // Left for another box or window part (Tab, a click, a shortcut), not
  // for a popup or another window. Settled once the focus has arrived
  // where it was going: a message shown on the way would send it back.
  if (event->type() == QEvent::FocusOut && watched == completer_->widget()) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason &&
        reason != Qt::ActiveWindowFocusReason) {
      QTimer::singleShot(0, this, &FrmMainAtlas::SettleCityBox);
    }
  }
  return QObject::eventFilter(watched, event);
}

bool FrmMainAtlas::SettleCityBox() {
  if (!cityTyped_) return true;
  const QString text = form_->cityText();
  const CityBoxDecision decision = DecideCityBox(
      text.toStdString(), CitiesNamed(text.toStdString()), chosen_, shownFor_);
  switch (decision.action) {
    case CityBoxAction::kKeep:
      break;
    case CityBoxAction::kFill:
      FillPlace(decision.cities.front());
      break;
    case CityBoxAction::kChoose:
      ClearPlace();
      // Offered once; left again without a choice, the text stays as
      // typed and the person goes on.
      if (text != offeredFor_) {
        offeredFor_ = text;
        // The list opens once the key that settled the box is done with:
        // Enter on the list of cities shown while typing closes it.
        completer_->widget()->setFocus(Qt::OtherFocusReason);
        QTimer::singleShot(0, this, [this, cities = decision.cities] {
          if (form_->cityText() == offeredFor_) Offer(cities);
        });
        return false;
      }
      form_->ShowNote(
          tr("Several places are called \u201c%1\u201d: choose one from the "
             "list, or enter the coordinates and the zone")
              .arg(text.trimmed()));
      break;
    case CityBoxAction::kNotInAtlas:
      ClearPlace();
      form_->ShowNote(tr("\u201c%1\u201d is not in the atlas: enter the "
                         "coordinates and the zone")
                          .arg(text.trimmed()));
      break;
    case CityBoxAction::kClear:
      ClearPlace();
      break;
  }
  cityTyped_ = false;
  offeredFor_.clear();
  return true;
}

void FrmMainAtlas::PlaceShown(const QString& city) {
  chosen_.reset();
  shownFor_ = city.toStdString();
  filled_ = {true, true, true};
  cityTyped_ = false;
  offeredFor_.clear();
  lastHadEntry_ = true;
  lastNote_.clear();
}

void FrmMainAtlas::ClearPlace() {
  if (!chosen_ && !shownFor_) return;  // the boxes hold what was typed
  chosen_.reset();
  shownFor_.reset();
  form_->ClearPlaceParts(filled_);
  filled_ = {};
  lastHadEntry_ = true;
  lastNote_.clear();
}

void FrmMainAtlas::BirthTimeChanged() {
  if (chosen_ && filled_.zone) WorkOutZone(false);
  // The offset of the nearest place at the new time.
  if (nearestZone_->isVisible()) OfferNearestZone();
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
  shownFor_.reset();
  FrmMain::PlaceParts parts = filled_;
  parts.stateAndCountry = false;  // being edited
  form_->ClearPlaceParts(parts);
  filled_ = {};
  lastHadEntry_ = true;
  lastNote_.clear();
}

void FrmMainAtlas::FillPlace(const AtlasCity& city) {
  chosen_ = city;
  shownFor_.reset();
  filled_ = {true, true, true};
  cityTyped_ = false;
  offeredFor_.clear();
  const BirthPlace place = PlaceAtBirth(city, form_->ListedBirthTime());
  form_->ShowPlace(
      QString::fromStdString(city.name), QString::fromStdString(city.state),
      QString::fromStdString(city.country), place.longitude, place.latitude);
  WorkOutZone(true);
}

void FrmMainAtlas::WorkOutZone(bool newCity) {
  const BirthPlace place = PlaceAtBirth(*chosen_, form_->ListedBirthTime());
  if (!SelectZoneOf(place) && (newCity || lastHadEntry_)) {
    // The database does not know the zone: the user chooses.
    ShowMessage(ShownText(UnknownZoneText(place)), MessageIcon::Information,
                MessageButtons::Ok, form_);
  }
  lastHadEntry_ = place.zone.has_value();
  if (const auto message = ClockChangeText(place)) {
    ShowMessage(ShownText(*message), MessageIcon::Information,
                MessageButtons::Ok, form_);
  }
  // The note on a city's own time, once for each birth it applies to.
  const std::string note = CityTimeNote(place).value_or("");
  if (!note.empty() && (newCity || note != lastNote_)) {
    ShowMessage(ShownText(*CityTimeText(place)), MessageIcon::Information,
                MessageButtons::Ok, form_);
  }
  lastNote_ = note;
}

}  // namespace tarvelin
