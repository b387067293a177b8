// SPDX-License-Identifier: GPL-3.0-or-later
// --pdf FILE and --png FILE: the result page of the window's "Export PDF…"
// and "Export Image…", written without a display.
#pragma once

#include <string>

#include "print/result_page.h"

namespace tarvelin::cli {

// Writes the page to each path that is not empty (the PDF on the locale's
// paper, the PNG at the export's resolution), each file in one step (see
// file_output.h). Returns false with "cannot write PATH: REASON" in
// `problem` when a file cannot be written.
bool WritePageFiles(const ResultPage& page, const std::string& pdfPath,
                    const std::string& pngPath, std::string& problem);

}  // namespace tarvelin::cli
