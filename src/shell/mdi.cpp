#include "shell/mdi.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

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

constexpr const char kOfferText[] =
    "Home Business Opportunity. Start your own Internet business and make "
    "money online. Get this software fully branded for your website. Click "
    "here for more details.";

}  // namespace

MDI::MDI(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MDI");
  setWindowTitle(kAppTitle);
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(NamedFont("Verdana", 8));

  auto* central = new QWidget(this);
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
  cmdBack = new QPushButton("&Back", picTop);
  cmdBack->setObjectName("cmdBack");
  cmdBack->setGeometry(TwipsRect(9000, 120, 1335, 400));
  cmdExit = new QPushButton("E&xit", picTop);
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
  Label10->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(kOfferText));
  Label10->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                   Qt::LinksAccessibleByKeyboard);
  connect(Label10, &QLabel::linkActivated, this, [] { OpenFullBrandPage(); });

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
  displayWindow_->setWindowTitle(kAppTitle);
  displayWindow_->setFixedSize(displayWindow_->sizeHint());
  frmDisplay_->fraBirthchart->setVisible(true);
  frmDisplay_->fraBirthchart->raise();
  frmDisplay_->fraDetails->raise();
  displayWindow_->show();

  // Open big enough for the whole form, within the screen.
  const QSize wanted(displayWindow_->width() + 4,
                     menuBar()->sizeHint().height() +
                         Twips(kTopBarHeightTwips) + displayWindow_->height() +
                         4 + Twips(kBottomBarHeightTwips));
  QSize size = wanted;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  resize(size);
}

QSize MDI::FittingSize() const {
  // The area's frame and a little room around the child, pixels.
  constexpr int kAreaMarginPixels = 4;
  return QSize(displayWindow_->width() + kAreaMarginPixels,
               menuBar()->sizeHint().height() + Twips(kTopBarHeightTwips) +
                   displayWindow_->height() + kAreaMarginPixels +
                   Twips(kBottomBarHeightTwips));
}

void MDI::BuildMenus() {
  QMenu* mnuFile = menuBar()->addMenu("&File");
  mnuFile->setObjectName("mnuFile");
  mnuBack = mnuFile->addAction("&Back", this, &MDI::cmdBack_Click);
  mnuExit = mnuFile->addAction("E&xit", this, &MDI::cmdExit_Click);

  QMenu* mnuHelp = menuBar()->addMenu("&Help");
  mnuHelp->setObjectName("mnuHelp");
  mnuOnline = mnuHelp->addAction("&Online Help", [] { OpenOnlineHelp(); });
  mnuVisit = mnuHelp->addAction("&Visit Us Online", [] { OpenForumHome(); });
  mnuHelp->addSeparator();
  mnuUpdate = mnuHelp->addAction("Check for Software &Update",
                                 [] { OpenDownloadPage(); });
  mnuHelp->addSeparator();
  mnuAbout = mnuHelp->addAction("&About Software", this, &MDI::aboutRequested);

  mnuDonate = menuBar()->addAction("&Donate", [] { OpenDonatePage(); });
  mm = menuBar()->addAction("Make Money &Online", [] { OpenFullBrandPage(); });
}

void MDI::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MDI::MDIForm_Resize() {
  // The child is centred on the width of the whole screen, kept inside the
  // area so that it never slides out of reach on a wide screen.
  if (const QScreen* screen = this->screen()) {
    const double centred =
        (screen->geometry().width() - displayWindow_->width()) / 2.0;
    const int room =
        std::max(0, mdiArea->viewport()->width() - displayWindow_->width());
    const int left = std::clamp(static_cast<int>(centred), 0, room);
    displayWindow_->move(left, displayWindow_->y());
  }
  const int exitLeft = width() - cmdExit->width() - Twips(kExitRightGapTwips);
  cmdExit->move(exitLeft, cmdExit->y());
  cmdBack->move(exitLeft - cmdExit->width() - Twips(kBackToExitGapTwips),
                cmdBack->y());
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
