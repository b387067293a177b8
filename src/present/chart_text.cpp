#include "present/chart_text.h"

#include <algorithm>
#include <vector>

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

std::string PadRight(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text.substr(0, width);
  return text + std::string(width - text.size(), ' ');
}

std::string Centred(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text.substr(0, width);
  const std::size_t left = (width - text.size()) / 2;
  return std::string(left, ' ') + text +
         std::string(width - text.size() - left, ' ');
}

// The text lines of one sign cell, each kCellWidth wide.
std::vector<std::string> SignCell(const ChartContent& content, int sign) {
  std::vector<std::string> lines;
  const std::string name = kSignNames[sign];
  const std::string number = std::to_string(sign + 1);
  lines.push_back(
      " " + name +
      std::string(kCellWidth - 2 - name.size() - number.size(), ' ') + number +
      " ");
  for (const std::string& body : LabelLines(content.planetLabels[sign])) {
    lines.push_back(PadRight("  " + body, kCellWidth));
  }
  for (const std::string& marker : LabelLines(content.markers[sign])) {
    lines.push_back(std::string(kCellWidth - marker.size() - 1, ' ') + marker +
                    " ");
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

}  // namespace tarvelin
