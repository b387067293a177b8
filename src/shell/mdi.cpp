// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mdi.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "print/print_dialog.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/twips.h"
#include "widgets/common/ui_widgets.h"
#include "widgets/common/web_links.h"
#include "widgets/result/frm_display.h"

namespace tarvelin {
namespace {

// Bars, twips.
constexpr int kTopBarHeightTwips = 795;
constexpr int kBottomBarHeightTwips = 585;
// The buttons of the top bar keep these gaps on every resize, twips.
constexpr int kExitRightGapTwips = 300;
constexpr int kBackToExitGapTwips = 100;

// The form is never drawn smaller than this share of its design size (the
// area scrolls instead): below it its 8-point text would be too small.
constexpr double kMinimumScale = 0.8;
// The area's frame and a little room around the child, pixels.
constexpr int kAreaMarginPixels = 4;
// Room left for the window system's frame before it is known, pixels.
constexpr int kFrameReserveWidth = 16;
constexpr int kFrameReserveHeight = 40;

constexpr const char kOfferText[] = QT_TRANSLATE_NOOP(
    "tarvelin::MDI",
    "Home Business Opportunity. Start your own Internet business and make "
    "money online. Get this software fully branded for your website. Click "
    "here for more details.");

}  // namespace

MDI::MDI(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MDI");
  setWindowTitle(kAppTitle);
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(NamedFont("Verdana", 8));

  auto* central = new QWidget(this);
  central->setObjectName("central");
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  picTop = new QWidget(central);
  picTop->setObjectName("picTop");
  picTop->setFixedHeight(Twips(kTopBarHeightTwips));
  picTop->setAutoFillBackground(true);
  Label2 = new QLabel("Tarvelin", picTop);
  Label2->setObjectName("Label2");
  Label2->setGeometry(TwipsRect(360, 120, 3645, 525));
  QFont titleFont = NamedFont("Verdana", 18);
  titleFont.setBold(true);
  Label2->setFont(titleFont);
  cmdBack = new QPushButton(tr("&Back"), picTop);
  cmdBack->setObjectName("cmdBack");
  cmdBack->setGeometry(TwipsRect(9000, 120, 1335, 400));
  cmdExit = new QPushButton(tr("E&xit"), picTop);
  cmdExit->setObjectName("cmdExit");
  cmdExit->setGeometry(TwipsRect(10440, 120, 1335, 400));
  connect(cmdBack, &QPushButton::clicked, this, &MDI::cmdBack_Click);
  connect(cmdExit, &QPushButton::clicked, this, &MDI::cmdExit_Click);

  mdiArea = new QMdiArea(central);
  mdiArea->setObjectName("mdiArea");
  mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  Picture1 = new QWidget(central);
  Picture1->setObjectName("Picture1");
  Picture1->setFixedHeight(Twips(kBottomBarHeightTwips));
  Label10 = new QLabel(Picture1);
  Label10->setObjectName("Label10");
  Label10->setGeometry(TwipsRect(120, 20, 7305, 615));
  Label10->setWordWrap(true);
  Label10->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(tr(kOfferText)));
  Label10->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                   Qt::LinksAccessibleByKeyboard);
  connect(Label10, &QLabel::linkActivated, this, [] { OpenFullBrandPage(); });
  // A translation that takes more lines (Tamil's are longer and taller)
  // makes the bar taller rather than being cut.
  const int offerHeight = Label10->heightForWidth(Label10->width());
  if (offerHeight > Label10->height()) {
    Picture1->setFixedHeight(Picture1->height() + offerHeight -
                             Label10->height());
    Label10->resize(Label10->width(), offerHeight);
  }
  // Beside the offer: what Save Birth did.
  lblNote = new QLabel(Picture1);
  lblNote->setObjectName("lblNote");
  lblNote->setGeometry(TwipsRect(7545, 20, 4230, 545));
  lblNote->setWordWrap(true);
  lblNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  layout->addWidget(picTop);
  layout->addWidget(mdiArea, 1);
  layout->addWidget(Picture1);
  setCentralWidget(central);
  BuildMenus();

  // The result form as the one child, with a title but no buttons of its
  // own: the window's bar and menus lead away from it.
  frmDisplay_ = new FrmDisplay;
  displayWindow_ = mdiArea->addSubWindow(
      frmDisplay_,
      Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  displayWindow_->setObjectName("displayWindow");
  displayWindow_->setWindowTitle(kAppTitle);
  displayWindow_->setFixedSize(displayWindow_->sizeHint());
  chrome_ = displayWindow_->size() - frmDisplay_->size();
  displayWindow_->show();
  mdiArea->installEventFilter(this);

  FitToScreen();
}

QSize MDI::SizeForScale(double scale) const {
  const QSize form = FrmDisplay::DesignSize() * scale;
  return QSize(form.width() + chrome_.width() + kAreaMarginPixels,
               menuBar()->sizeHint().height() + Twips(kTopBarHeightTwips) +
                   form.height() + chrome_.height() + kAreaMarginPixels +
                   Picture1->minimumHeight());
}

QSize MDI::FittingSize() const { return SizeForScale(frmDisplay_->Scale()); }

void MDI::FitToScreen() {
  const QScreen* screen = this->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect free = screen->availableGeometry();
  // The window's size grows with the scale in step with the form's.
  const QSize fixed = SizeForScale(0);
  const QSize design = FrmDisplay::DesignSize();
  const double scale =
      std::max(kMinimumScale,
               std::min((free.width() - kFrameReserveWidth - fixed.width()) /
                            static_cast<double>(design.width()),
                        (free.height() - kFrameReserveHeight - fixed.height()) /
                            static_cast<double>(design.height())));
  const QSize size = SizeForScale(scale).boundedTo(
      free.size() - QSize(kFrameReserveWidth, kFrameReserveHeight));
  resize(size);
  move(free.left() + (free.width() - size.width() - kFrameReserveWidth) / 2,
       free.top() + (free.height() - size.height() - kFrameReserveHeight) / 2);
}

void MDI::KeepFrameOnScreen() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect free = screen->availableGeometry();
  const QRect frame = frameGeometry();
  if (free.contains(frame)) return;
  // The frame as the window system drew it: shrink the window by what
  // sticks out, then move it in.
  const QSize decoration = frame.size() - size();
  resize(size().boundedTo(free.size() - decoration));
  const QRect fitted = frameGeometry();
  move(std::clamp(fitted.left(), free.left(),
                  std::max(free.left(), free.right() + 1 - fitted.width())),
       std::clamp(fitted.top(), free.top(),
                  std::max(free.top(), free.bottom() + 1 - fitted.height())));
}

void MDI::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  KeepFrameOnScreen();
  // Where the window system adds its frame later, look again then.
  QTimer::singleShot(0, this, &MDI::KeepFrameOnScreen);
}

bool MDI::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mdiArea && event->type() == QEvent::Resize) ScaleToArea();
  return QMainWindow::eventFilter(watched, event);
}

void MDI::ScaleToArea() {
  // The whole area counts, scroll bars or not: at the fitting scale they
  // go.
  const QSize room =
      mdiArea->size() - chrome_ - QSize(kAreaMarginPixels, kAreaMarginPixels);
  const QSize design = FrmDisplay::DesignSize();
  const double scale =
      std::max(kMinimumScale,
               std::min(room.width() / static_cast<double>(design.width()),
                        room.height() / static_cast<double>(design.height())));
  if (std::abs(scale - frmDisplay_->Scale()) > 1e-4) {
    frmDisplay_->SetScale(scale);
  }
  displayWindow_->setFixedSize(frmDisplay_->size() + chrome_);
  MDIForm_Resize();
}

void MDI::ShowNote(const QString& note) { lblNote->setText(note); }

void MDI::BuildMenus() {
  QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
  mnuFile->setObjectName("mnuFile");
  mnuSaveBirth =
      mnuFile->addAction(tr("&Save Birth"), this, &MDI::saveBirthRequested);
  mnuSaveBirth->setShortcut(QKeySequence::Save);
  mnuFile->addSeparator();
  mnuPrint = mnuFile->addAction(tr("&Print…"), this, &MDI::Print);
  mnuPrint->setShortcut(QKeySequence::Print);
  mnuExportPdf = mnuFile->addAction(tr("Export P&DF…"), this, &MDI::ExportPdf);
  mnuExportImage =
      mnuFile->addAction(tr("Export &Image…"), this, &MDI::ExportImage);
  for (QAction* action : {mnuPrint, mnuExportPdf, mnuExportImage}) {
    action->setEnabled(false);
  }
  mnuFile->addSeparator();
  mnuBack = mnuFile->addAction(tr("&Back"), this, &MDI::cmdBack_Click);
  mnuExit = mnuFile->addAction(tr("E&xit"), this, &MDI::cmdExit_Click);

  QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
  mnuHelp->setObjectName("mnuHelp");
  mnuOnline = mnuHelp->addAction(tr("&Online Help"), [] { OpenOnlineHelp(); });
  mnuVisit =
      mnuHelp->addAction(tr("&Visit Us Online"), [] { OpenForumHome(); });
  mnuHelp->addSeparator();
  mnuUpdate = mnuHelp->addAction(tr("Check for Software &Update"),
                                 [] { OpenDownloadPage(); });
  mnuHelp->addSeparator();
  mnuAbout =
      mnuHelp->addAction(tr("&About Software"), this, &MDI::aboutRequested);

  mnuDonate = menuBar()->addAction(tr("&Donate"), [] { OpenDonatePage(); });
  mm = menuBar()->addAction(tr("Make Money &Online"),
                            [] { OpenFullBrandPage(); });
  const std::pair<QAction*, const char*> named[] = {
      {mnuSaveBirth, "mnuSaveBirth"}, {mnuPrint, "mnuPrint"},
      {mnuExportPdf, "mnuExportPdf"}, {mnuExportImage, "mnuExportImage"},
      {mnuBack, "mnuBack"},           {mnuExit, "mnuExit"},
      {mnuOnline, "mnuOnline"},       {mnuVisit, "mnuVisit"},
      {mnuUpdate, "mnuUpdate"},       {mnuAbout, "mnuAbout"},
      {mnuDonate, "mnuDonate"},       {mm, "mm"}};
  for (const auto& [action, name] : named) action->setObjectName(name);
}

void MDI::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MDI::MDIForm_Resize() {
  // The child is centred in the area, never further left than its edge.
  const int room =
      mdiArea->width() - kAreaMarginPixels - displayWindow_->width();
  displayWindow_->move(std::max(0, room / 2), 0);
  const int exitLeft = width() - cmdExit->width() - Twips(kExitRightGapTwips);
  cmdExit->move(exitLeft, cmdExit->y());
  cmdBack->move(exitLeft - cmdExit->width() - Twips(kBackToExitGapTwips),
                cmdBack->y());
}

void MDI::SetResultPage(ResultPage page) {
  page_ = std::move(page);
  for (QAction* action : {mnuPrint, mnuExportPdf, mnuExportImage}) {
    action->setEnabled(true);
  }
}

void MDI::SetChartStyle(ChartStyle style) {
  frmDisplay_->SetChartStyle(style);
  if (page_) page_->chartStyle = style;
}

namespace {

// "<documents>/RAM.pdf": the person's name as the file's.
QString SuggestedPath(const ResultPage& page, const char* extension) {
  QString name = QString::fromStdString(page.view.lblName).trimmed();
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), "_");
  if (name.isEmpty()) name = QStringLiteral("Hora Lagna");
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(folder).filePath(name + "." + extension);
}

}  // namespace

void MDI::Print() {
  if (!page_) return;
  if (PrintResultPage(*page_, this) == PrintOutcome::Failed) {
    ShowMessage(tr("The page could not be printed."), MessageIcon::Error,
                MessageButtons::Ok, this);
  }
}

void MDI::ExportPdf() {
  if (!page_) return;
  const QString path = AskSaveFileName(
      {tr("Export PDF"), SuggestedPath(*page_, "pdf"), tr("PDF files (*.pdf)")},
      this);
  if (path.isEmpty()) return;
  QString error;
  if (!WriteResultPdf(path, *page_, LocalPageSize(), &error)) {
    ShowMessage(error, MessageIcon::Error, MessageButtons::Ok, this);
  }
}

void MDI::ExportImage() {
  if (!page_) return;
  const QString path =
      AskSaveFileName({tr("Export Image"), SuggestedPath(*page_, "png"),
                       tr("PNG images (*.png)")},
                      this);
  if (path.isEmpty()) return;
  QString error;
  if (!WriteResultPng(path, *page_, LocalPageSize(), kImageDotsPerInch,
                      &error)) {
    ShowMessage(error, MessageIcon::Error, MessageButtons::Ok, this);
  }
}

void MDI::cmdBack_Click() {
  leavingByBack_ = true;
  close();
}

void MDI::cmdExit_Click() {
  leavingByBack_ = false;
  close();
}

void MDI::closeEvent(QCloseEvent* event) {
  event->accept();
  if (leavingByBack_) {
    emit backRequested();
  } else {
    emit exitRequested();
  }
}

}  // namespace tarvelin
