// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/chart_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "present/report_words.h"
#include "present/text_width.h"
#include "tables/bodies.h"

namespace tarvelin {
namespace {

// Inner width of a cell in characters: room for "Sagittarius  9" with a
// blank margin on each side.
constexpr std::size_t kCellWidth = 16;
// Fewest text lines in a row of cells, so an empty chart is still square.
constexpr std::size_t kMinRowLines = 3;

constexpr int kCentre = -1;
// Sign index of each cell, rows from the top, columns from the left.
constexpr int kLayout[4][4] = {{11, 0, 1, 2},
                               {10, kCentre, kCentre, 3},
                               {9, kCentre, kCentre, 4},
                               {8, 7, 6, 5}};

// The non-empty lines of a "\r\n"-separated label, trailing blanks removed
// (a retrograde name ends in " (R) ").
std::vector<std::string> LabelLines(const std::string& label) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start <= label.size()) {
    auto end = label.find("\r\n", start);
    if (end == std::string::npos) end = label.size();
    std::string line = label.substr(start, end - start);
    line.erase(line.find_last_not_of(' ') + 1);
    if (!line.empty()) lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

// The first `width` columns of `text`, cut between whole characters.
std::string Cut(const std::string& text, std::size_t width) {
  std::string out;
  const std::vector<std::string> cells = DisplayCells(text);
  for (std::size_t i = 0; i < cells.size() && i < width; ++i) out += cells[i];
  return out;
}

std::string PadRight(const std::string& text, std::size_t width) {
  const std::size_t used = DisplayWidth(text);
  if (used >= width) return Cut(text, width);
  return text + std::string(width - used, ' ');
}

std::string Centred(const std::string& text, std::size_t width) {
  const std::size_t used = DisplayWidth(text);
  if (used >= width) return Cut(text, width);
  const std::size_t left = (width - used) / 2;
  return std::string(left, ' ') + text + std::string(width - used - left, ' ');
}

// The text lines of one sign cell, each kCellWidth wide.
std::vector<std::string> SignCell(const ChartContent& content, int sign) {
  std::vector<std::string> lines;
  const std::string name = SignNameIn(sign, content.language);
  const std::string number = std::to_string(sign + 1);
  const std::size_t used = DisplayWidth(name) + number.size() + 2;
  lines.push_back(" " + name +
                  std::string(kCellWidth > used ? kCellWidth - used : 0, ' ') +
                  number + " ");
  for (const std::string& body : LabelLines(content.planetLabels[sign])) {
    lines.push_back(PadRight("  " + body, kCellWidth));
  }
  for (const std::string& marker : LabelLines(content.markers[sign])) {
    lines.push_back(PadRight(
        std::string(kCellWidth - DisplayWidth(marker) - 1, ' ') + marker + " ",
        kCellWidth));
  }
  return lines;
}

std::string Border() {
  const std::string dashes(kCellWidth, '-');
  return "+" + dashes + "+" + dashes + "+" + dashes + "+" + dashes + "+\n";
}

}  // namespace

const char* SignName(int index) {
  return index >= 0 && index < 12 ? kSignNames[index] : "";
}

std::string ChartText(const ChartContent& content) {
  std::vector<std::string> cells[4][4];
  std::size_t rowLines[4];
  for (int row = 0; row < 4; ++row) {
    rowLines[row] = kMinRowLines;
    for (int col = 0; col < 4; ++col) {
      if (kLayout[row][col] == kCentre) continue;
      cells[row][col] = SignCell(content, kLayout[row][col]);
      rowLines[row] = std::max(rowLines[row], cells[row][col].size());
    }
  }

  // The centre block spans rows 1 and 2 and the border line between them;
  // its title stands in the middle.
  const std::size_t centreWidth = 2 * kCellWidth + 1;
  const std::size_t centreLines = rowLines[1] + 1 + rowLines[2];
  std::vector<std::string> centre(centreLines, std::string(centreWidth, ' '));
  std::vector<std::string> titleLines = {content.title};
  if (!content.subtitle.empty()) titleLines.push_back(content.subtitle);
  const std::size_t top = (centreLines - titleLines.size()) / 2;
  for (std::size_t i = 0; i < titleLines.size(); ++i) {
    centre[top + i] = Centred(titleLines[i], centreWidth);
  }

  const std::string blank(kCellWidth, ' ');
  const auto cellLine = [&](int row, int col, std::size_t i) {
    const auto& lines = cells[row][col];
    return i < lines.size() ? lines[i] : blank;
  };

  std::string out = Border();
  std::size_t centreLine = 0;
  for (int row = 0; row < 4; ++row) {
    const bool middle = row == 1 || row == 2;
    for (std::size_t i = 0; i < rowLines[row]; ++i) {
      out += "|" + cellLine(row, 0, i) + "|";
      if (middle) {
        out += centre[centreLine++];
      } else {
        out += cellLine(row, 1, i) + "|" + cellLine(row, 2, i);
      }
      out += "|" + cellLine(row, 3, i) + "|\n";
    }
    if (row == 1) {
      // The border under Aquarius and Cancer runs past the centre block,
      // whose line here is one of its own.
      const std::string dashes(kCellWidth, '-');
      out += "+" + dashes + "+" + centre[centreLine++] + "+" + dashes + "+\n";
    } else {
      out += Border();
    }
  }
  return out;
}

namespace {

// The North-Indian chart on a grid of characters. The square is 8m + 1
// columns by 4m + 1 rows, so that its diagonals and the inner diamond run
// two columns per row and look straight on a terminal.
class NorthGrid {
 public:
  explicit NorthGrid(int m)
      : rows_(4 * m + 1),
        columns_(8 * m + 1),
        cells_(
            static_cast<std::size_t>(rows_),
            std::vector<std::string>(static_cast<std::size_t>(columns_), " ")) {
    const int r = rows_ - 1, c = columns_ - 1, half = r / 2;
    for (int row = 0; row <= r; ++row) {
      Put(row, 2 * row, "\\");  // the diagonals
      Put(row, c - 2 * row, "/");
      if (row <= half) {  // the inner diamond's upper half
        Put(row, c / 2 - 2 * row, "/");
        Put(row, c / 2 + 2 * row, "\\");
      } else {  // ... and its lower half
        Put(row, 2 * (row - half), "\\");
        Put(row, c - 2 * (row - half), "/");
      }
    }
    for (int row = 0; row <= r; ++row) {  // the sides, over the corners
      Put(row, 0, "|");                   // of the diamond
      Put(row, c, "|");
    }
    for (int col = 0; col <= c; ++col) {
      Put(0, col, col == 0 || col == c ? "+" : "-");
      Put(r, col, col == 0 || col == c ? "+" : "-");
    }
  }

  // Whether `width` columns from `first` in `row` lie inside the box,
  // `margin` columns clear of the lines that bound it, and are still free.
  bool FitsAt(const std::vector<ChartPoint>& outline, int row, int first,
              std::size_t width, int margin) const {
    if (row <= 0 || row >= rows_ - 1) return false;
    const auto span = SpanAt(outline, Y(row));
    if (!span) return false;
    const int left =
        static_cast<int>(std::floor((*span)[0] * (columns_ - 1))) + margin + 1;
    const int right =
        static_cast<int>(std::ceil((*span)[1] * (columns_ - 1))) - margin - 1;
    const int last = first + static_cast<int>(width) - 1;
    if (first < left || last > right) return false;
    for (int col = first; col <= last; ++col) {
      if (cells_[row][col] != " ") return false;
    }
    return true;
  }

  // The first column of `width` columns centred in the box at `row`.
  int CentredFirst(const std::vector<ChartPoint>& outline, int row,
                   std::size_t width) const {
    const auto span = SpanAt(outline, Y(row));
    if (!span) return 0;
    const double middle = ((*span)[0] + (*span)[1]) / 2 * (columns_ - 1);
    return static_cast<int>(std::lround(middle - (width - 1) / 2.0));
  }

  void Write(int row, int first, const std::string& text) {
    int col = first;
    for (const std::string& cell : DisplayCells(text)) Put(row, col++, cell);
  }

  // Places the box's lines on consecutive rows, each centred, as near the
  // box's centre as they go; false when they do not fit.
  bool Place(const std::vector<ChartPoint>& outline,
             const std::vector<std::string>& lines) {
    if (lines.empty()) return true;
    const int count = static_cast<int>(lines.size());
    const int centre =
        static_cast<int>(std::lround(Centroid(outline).y * (rows_ - 1)));
    // Tops tried in turn: centred, then one row up, one down, two up, ...
    for (int step = 0; step < 2 * rows_; ++step) {
      const int offset = (step + 1) / 2 * (step % 2 == 1 ? -1 : 1);
      const int top = centre - count / 2 + offset;
      std::vector<int> firsts(lines.size());
      bool all = true;
      for (int i = 0; i < count && all; ++i) {
        const std::size_t width = DisplayWidth(lines[i]);
        firsts[i] = CentredFirst(outline, top + i, width);
        all = FitsAt(outline, top + i, firsts[i], width, 1);
      }
      if (all) {
        for (int i = 0; i < count; ++i) Write(top + i, firsts[i], lines[i]);
        return true;
      }
    }
    return false;
  }

  // The sign's number at its point, or a row or two off where the lines
  // leave it no room.
  bool PlaceNumber(const std::vector<ChartPoint>& outline, ChartPoint at,
                   const std::string& number) {
    const int row = static_cast<int>(std::lround(at.y * (rows_ - 1)));
    const int first = static_cast<int>(std::lround(
        at.x * (columns_ - 1) - (static_cast<double>(number.size()) - 1) / 2));
    for (const int r : {row, row - 1, row + 1, row - 2, row + 2}) {
      for (const int f : {first, first - 1, first + 1}) {
        if (FitsAt(outline, r, f, number.size(), 0)) {
          Write(r, f, number);
          return true;
        }
      }
    }
    return false;
  }

  std::string Text() const {
    std::string out;
    for (const auto& row : cells_) {
      for (const std::string& cell : row) out += cell;
      out += "\n";
    }
    return out;
  }

 private:
  double Y(int row) const { return static_cast<double>(row) / (rows_ - 1); }
  void Put(int row, int col, const std::string& text) {
    if (row >= 0 && row < rows_ && col >= 0 && col < columns_) {
      cells_[row][col] = text;
    }
  }

  int rows_, columns_;
  std::vector<std::vector<std::string>> cells_;
};

}  // namespace

std::string NorthChartText(const ChartModel& model) {
  const ChartLayout layout =
      LayoutChart(ChartStyle::kNorth, model.ascendantSign);
  // The smallest grid in which every house holds its lines.
  constexpr int kFirstSize = 6, kLastSize = 16;
  for (int m = kFirstSize;; ++m) {
    NorthGrid grid(m);
    bool all = true;
    for (const ChartBox& box : layout.boxes) {
      std::vector<std::string> lines = model.bodies[box.sign];
      lines.insert(lines.end(), model.markers[box.sign].begin(),
                   model.markers[box.sign].end());
      // The number first: it keeps to the box's inner corner.
      const bool number = grid.PlaceNumber(box.outline, box.numberAt,
                                           std::to_string(box.sign + 1));
      all = number && grid.Place(box.outline, lines) && all;
    }
    if (all || m == kLastSize) return grid.Text();
  }
}

}  // namespace tarvelin
