// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas wired into the input form. The City box offers matching cities
// ("City, State, Country") as the user types; choosing one fills City,
// State, Country, the longitude and latitude boxes, the zone and daylight
// saving, and a later change of the birth date or time works the zone and
// daylight saving out again. A City box left with a typed text is looked up
// by its whole name (DecideCityBox): one city is filled as if chosen,
// several are offered, none clears what another place filled. All the
// looking-up is the atlas's; this class only moves its answers into the
// boxes, which all stay editable.
#pragma once

#include <QObject>
#include <optional>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "widgets/input/frm_main.h"

class QCompleter;
class QPushButton;
class QWidget;
class QStringListModel;

namespace tarvelin {

class FrmMainAtlas : public QObject {
  Q_OBJECT

 public:
  // Works for `form`, which owns it and connects its City box, place
  // boxes and date and time lists to the slots below.
  explicit FrmMainAtlas(FrmMain* form);

  // Offers its cities under `box`, the City box, and settles the box
  // (SettleCityBox) once it has lost the focus.
  void WatchCityBox(QWidget* box);
  // The boxes were filled from elsewhere (a saved birth) for the City text
  // `city`: a later change of the birth date or time leaves the zone alone,
  // and the place stays while the City box says `city`.
  void PlaceShown(const QString& city);

  // "near Sringeri, Karnataka, India, 3 km", for the form and the result
  // window of a birth given by its coordinates.
  static QString NearPlaceText(const NearPlace& near);
  // "3 km", "under 1 km".
  static QString DistanceText(double kilometres);

  // Settles a City box the user typed in and has not settled yet (see
  // CityBoxLeft). False when the user has to choose among several cities
  // first: they are offered and the focus is in the City box.
  bool SettleCityBox();

 public slots:
  // Offers the cities that match what is now in the City box.
  void txtMCity_TextEdited(const QString& text);
  // Enter in the City box: SettleCityBox.
  void CityBoxLeft();
  // A city was picked from the list, by its "City, State, Country" label.
  void cityCompleter_Activated(const QString& label);
  // The birth date or time changed: a chosen city's zone and daylight
  // saving are worked out again.
  void BirthTimeChanged();
  // After an edit of City, State or Country: unless the three still name
  // the chosen city (another name of it, other case or accents), what the
  // atlas filled is dropped: coordinates, zone and daylight saving.
  void DropPlaceUnlessStillNamed();
  // The person typed over what a place filled: the coordinates (a degree
  // or minute box, or chose a hemisphere), the zone (an entry, the
  // daylight-saving box, an offset), State or Country. What they typed
  // stays when the place goes, and a later date leaves their zone alone.
  void CoordinatesTyped() { filled_.coordinates = false; }
  void ZoneChosen() { filled_.zone = false; }
  void StateOrCountryTyped() { filled_.stateAndCountry = false; }
  // The coordinates or the City box changed: with coordinates typed and the
  // City box empty, the status bar offers the zone of the atlas place
  // nearest to them at the birth ("Use the zone of the nearest place,
  // Sringeri, Karnataka, India (3 km): UTC+05:30 at the birth"); otherwise
  // the offer goes.
  void OfferNearestZone();

 signals:
  // The list of cities under the City box opened or closed: while it is
  // open, Enter and the arrow keys are the list's.
  void cityListShown(bool shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows `cities` under the City box, each label whole.
  void Offer(std::vector<AtlasCity> cities);
  void FillPlace(const AtlasCity& city);
  // State, Country, the coordinates and the zone go, those of them another
  // place (the atlas's or a saved birth's) filled.
  void ClearPlace();
  // Selects the zone and ticks daylight saving for the chosen city at the
  // form's birth date and time. `newCity`: the message about a missing
  // zone-list entry is shown even if the last working-out had none either.
  void WorkOutZone(bool newCity);
  bool StillNamesChosenCity() const;

  // Selects the zone of `place` (an entry and the box, or the exact
  // offset); false when the database does not know its zone.
  bool SelectZoneOf(const BirthPlace& place);

  FrmMain* form_;
  QCompleter* completer_;
  QPushButton* nearestZone_;          // the offer in the status bar
  std::optional<AtlasCity> nearest_;  // the place it offers the zone of
  QStringListModel* offeredLabels_;
  std::vector<AtlasCity> offered_;
  std::optional<AtlasCity> chosen_;
  std::optional<std::string> shownFor_;  // the City text of a saved birth
  FrmMain::PlaceParts filled_;           // by chosen_ or the saved birth
  bool cityTyped_ = false;  // the City box was typed in and not settled
  QString offeredFor_;      // the text several cities were offered for
  bool lastHadEntry_ = true;
  std::string lastNote_;  // the city-time note last shown, or empty
};

}  // namespace tarvelin
