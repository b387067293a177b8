// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/page_output.h"

#include <QByteArray>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/file_output.h"

namespace tarvelin::cli {
namespace {

// Fonts and painting need a GUI application, but never a screen: unless
// told otherwise it runs on the offscreen platform, so the page is drawn the
// same with or without an X server or a Wayland compositor.
std::unique_ptr<QGuiApplication> StartPainting() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // Qt's notes on the way (no runtime folder, and the like) would break the
  // rule of one line on standard error for a failure; only its errors pass.
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
          std::fprintf(stderr, "%s\n", qPrintable(text));
        }
      });
  static int argc = 1;
  static char name[] = "tarvelin-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WritePageFiles(const ResultPage& page, const std::string& pdfPath,
                    const std::string& pngPath, std::string& problem) {
  if (pdfPath.empty() && pngPath.empty()) return true;
  const std::unique_ptr<QGuiApplication> app = StartPainting();
  const QPageSize paper = LocalPageSize();
  const auto write = [&problem](const std::string& path,
                                const QByteArray& bytes) {
    if (bytes.isEmpty()) {
      problem = "cannot write " + path + ": the page could not be drawn";
      return false;
    }
    return WriteFileReplacing(
        path, {bytes.constData(), static_cast<std::size_t>(bytes.size())},
        problem);
  };
  if (!pdfPath.empty() && !write(pdfPath, ResultPdfBytes(page, paper))) {
    return false;
  }
  return pngPath.empty() ||
         write(pngPath, ResultPngBytes(page, paper, kImageDotsPerInch));
}

}  // namespace tarvelin::cli
