// SPDX-License-Identifier: GPL-3.0-or-later
// The result form: the window in which one calculation is read. Under the
// answer line, how close the birth stands to a change of sign; a band then
// carries the house significance and the options the calculation used;
// below it tabs show the chart (in the chart style chosen) with the planet
// table and the person's details, the attributes and readings of the Hora
// Lagna sign, how it was found, and the Hora Lagna through the day with the
// other special lagnas, the traditional sunrise's sign where it differs and
// the signs of an uncertain birth time.
// The form computes nothing: Show() puts a ResultView on screen. Its
// captions are in the windows' language (UiLanguage).
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "present/hora_lagna_text.h"
#include "present/result_view.h"

class QFrame;
class QGroupBox;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace tarvelin {

class ChartView;
class ReadingBox;

class FrmDisplay : public QWidget {
  Q_OBJECT

 public:
  explicit FrmDisplay(QWidget* parent = nullptr);

  // Displays a calculation's view: chart, planet table, details, house text
  // and the 28 sign fields. Nothing is computed here.
  void Show(const ResultView& view);

  // The form's size as laid out in twips, at 96 dots per inch.
  static QSize DesignSize();
  // Draws the form at `scale` times its design size: every control's place
  // and size and every font follow; the reading boxes then take whole lines
  // of text. 1 is the design size.
  void SetScale(double scale);
  double Scale() const { return scale_; }

  // The one-line answer at the top, and the steps of "How it was found"
  // on the third tab, as made by the explanation.
  void ShowExplanation(const std::string& summary,
                       const std::vector<std::string>& howItWasFound);

  // What the core says about the Hora Lagna beyond the chart, as present/
  // made it: `options` names the sunrise rule and ayanamsa used (OptionsLine);
  // the margin sentence goes under the answer line; the day's table (the
  // birth's row marked), the other special lagnas, the centre rule's sign
  // and the uncertain time's signs on the fourth tab.
  void ShowHoraLagna(const std::string& options, const HoraLagnaTexts& texts);

  // The chart's style (South-Indian until told), and what it shows.
  void SetChartStyle(ChartStyle style);
  ChartStyle ChartStyleShown() const;
  const ChartModel& ChartShown() const;

  // One of the 28 sign fields by its name on the form ("lblVedicName",
  // "txtLooks", ...), or nullptr.
  QWidget* SignField(const QString& name) const;

 protected:
  // A new palette (a dark desktop theme) gets the answer a readable red.
  void changeEvent(QEvent* event) override;

 private slots:
  void Label6_Click();
  void Label7_Click();

 private:
  void BuildBand();
  // The answer line in AnswerInk of the form's background.
  void ShowAnswerInk();
  void BuildChartTab(QWidget* page);
  void BuildChart(QWidget* chart);
  void BuildPlanetTable(QWidget* frame);
  void BuildDetails(QWidget* frame);
  void BuildDetailsTab(QWidget* page);
  void BuildFoundTab(QWidget* page);
  void BuildDayTab(QWidget* page);
  // Notes every control's design place and font, for SetScale.
  void RecordDesign();

  // Controls, named as the system names them; each carries its name as its
  // objectName (arrays with the index appended: "planet0", ...). The chart
  // is "chartView"; the five reading boxes are found by name alone
  // ("txtLooks", ...).
  QLabel *dsd1 = nullptr, *Label8 = nullptr, *Label10 = nullptr;
  QLabel *lblHoraDesc = nullptr, *Label5 = nullptr, *Label6 = nullptr;
  QTabWidget* SSTab1 = nullptr;
  QFrame* chartFrame = nullptr;
  QGroupBox *fraBirthchart = nullptr, *fraDetails = nullptr,
            *fraWestern = nullptr;
  ChartView* chartView_ = nullptr;
  QLabel* Label7 = nullptr;
  std::array<QLabel*, kBodyCount> PlanetName{};
  std::array<QLabel*, kBodyCount> planet{};
  QLabel *lblName = nullptr, *lblDOB = nullptr, *lblTOB = nullptr,
         *lblLongitude = nullptr, *lblLatitude = nullptr, *lblCity = nullptr,
         *lblState = nullptr, *lblCountry = nullptr, *lblZone = nullptr;

  // A control as laid out at the design size.
  struct Placed {
    QPointer<QWidget> widget;
    QRect rect;
    bool ownFont;
    QFont font;
  };
  QLabel* lblSummary_ = nullptr;
  // Under the answer line (the others on the fourth tab), and the options
  // on the band.
  QLabel *lblMargin_ = nullptr, *lblUncertainty_ = nullptr,
         *lblCentreRule_ = nullptr, *lblOptions_ = nullptr;
  // The fourth tab: the day's table and the other special lagnas.
  QLabel* lblDayTitle_ = nullptr;
  QTableWidget* tblDay_ = nullptr;
  QGroupBox* fraOtherLagnas_ = nullptr;
  std::array<QLabel*, 6> otherLagnaName_{}, otherLagna_{};
  QLabel* lblHowItWasFound_ = nullptr;
  std::vector<Placed> design_;
  QFont designFont_;
  double scale_ = 1.0;
};

}  // namespace tarvelin
