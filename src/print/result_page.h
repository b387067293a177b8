// SPDX-License-Identifier: GPL-3.0-or-later
// The result on one page of paper: the summary with how close the sign is
// to changing, the chart with "HL" and the sign names, the person's
// details, the planet table and the other special lagnas, the house
// sentence, "How it was found" (which names the options), the Hora Lagna
// through the day as a compact table, and the Hora Lagna sign's attributes
// and readings. The same painting makes the PDF (text stays text), the PNG and
// the printout. It only lays out texts made elsewhere; nothing is computed
// here.
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <string>
#include <vector>

#include "present/chart_model.h"
#include "present/hora_lagna_text.h"
#include "present/result_view.h"

class QImage;
class QPainter;

namespace tarvelin {

struct ResultPage {
  ResultView view;
  std::string summary;                     // HoraLagnaSummary
  std::vector<std::string> howItWasFound;  // HowItWasFound, one per line
  ChartStyle chartStyle = ChartStyle::kSouth;
  // PresentHoraLagna: the margin, uncertainty and centre-rule lines, the
  // day's table and the other lagnas; each left out where empty.
  HoraLagnaTexts horaLagna{};
};

// A4, or Letter where the system's locale measures in US units.
QPageSize LocalPageSize();

// Paints the page on `painter`, whose device's (0, 0) is the paper's
// top-left corner and whose paper is `pageSize`. The text shrinks as far
// as needed for everything to fit on the one page.
void PaintResultPage(QPainter& painter, const QPageSize& pageSize,
                     const ResultPage& page);

// The page as the bytes of a one-page PDF; empty when it cannot be drawn.
QByteArray ResultPdfBytes(const ResultPage& page, const QPageSize& pageSize);
// ... written to `path` in one step: a temporary file beside it takes its
// name once complete, and a failure leaves `path` as it was. False, with
// "Cannot write the PDF file PATH: REASON" in `error`, when it cannot.
bool WriteResultPdf(const QString& path, const ResultPage& page,
                    const QPageSize& pageSize, QString* error);

// The same page as an image of `dotsPerInch`, white paper.
QImage RenderResultImage(const ResultPage& page, const QPageSize& pageSize,
                         int dotsPerInch);
// ... as the bytes of a PNG file; empty when it cannot be made.
QByteArray ResultPngBytes(const ResultPage& page, const QPageSize& pageSize,
                          int dotsPerInch);
// ... written to `path` as the PDF is. False, with "Cannot write the image
// file PATH: REASON" in `error`, when it cannot.
bool WriteResultPng(const QString& path, const ResultPage& page,
                    const QPageSize& pageSize, int dotsPerInch, QString* error);

// The resolution of exported images.
constexpr int kImageDotsPerInch = 150;

}  // namespace tarvelin
