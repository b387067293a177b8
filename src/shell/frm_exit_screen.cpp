// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_exit_screen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include "shell/end_program.h"
#include "widgets/common/app_seams.h"
#include "widgets/common/twips.h"
#include "widgets/common/ui_widgets.h"
#include "widgets/common/web_links.h"

namespace tarvelin {
namespace {

QLineEdit* MakeBox(QWidget* parent, const QString& name,
                   const char* placeholder, const QRect& rect) {
  auto* box = new QLineEdit(Placeholder(placeholder), parent);
  box->setObjectName(name);
  box->setGeometry(rect);
  return box;
}

}  // namespace

const std::array<const char*, 4> FrmExitScreen::kMessages = {
    QT_TR_NOOP("Thank you for using Tarvelin. Our astrology forum lives on "
               "the questions and answers of its members: please visit it "
               "often and join the discussions."),
    QT_TR_NOOP("Have a question about your Hora Lagna? Bring it to our "
               "astrology forum, visit it regularly and share what you know "
               "with other members."),
    QT_TR_NOOP("Tarvelin is free because of people like you. Support us by "
               "visiting our forum regularly and taking part in its "
               "discussions."),
    QT_TR_NOOP("Our forum grows with every member who drops by. Visit it "
               "regularly, read the latest threads and add your own voice to "
               "the conversation."),
};

FrmExitScreen::FrmExitScreen(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  setObjectName("frmExitScreen");
  setWindowTitle(kAppTitle);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(NamedFont("Verdana", 8));
  setFixedSize(Twips(7200), Twips(6720));

  lblTitle =
      MakeLabel(this, "lblTitle", kAppTitle, TwipsRect(240, 120, 6720, 420));
  QFont titleFont = NamedFont("Verdana", 14);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);

  lblMessage = MakeLabel(this, "lblMessage",
                         tr(kMessages[QRandomGenerator::global()->bounded(
                             static_cast<int>(kMessages.size()))]),
                         TwipsRect(240, 600, 6720, 720), Wrap::Yes);

  Check1 = new QCheckBox(tr("Yes, take me to the forum now"), this);
  Check1->setObjectName("Check1");
  Check1->setGeometry(TwipsRect(240, 1380, 6720, 300));
  connect(Check1, &QCheckBox::toggled, this, &FrmExitScreen::Check1_Toggled);

  fraCatalog = new QGroupBox(tr("More Programs From Us"), this);
  fraCatalog->setObjectName("fraCatalog");
  fraCatalog->setGeometry(TwipsRect(240, 1800, 6720, 780));
  lblGoToHome = MakeLink(fraCatalog, "lblGoToHome",
                         tr("Browse our catalogue of astrology and "
                            "horoscope software"),
                         TwipsRect(120, 360, 6480, 300));
  connect(lblGoToHome, &QLabel::linkActivated, this,
          &FrmExitScreen::lblGoToHome_Click);

  fraReferAFriend = new QGroupBox(tr("Refer A Friend"), this);
  fraReferAFriend->setObjectName("fraReferAFriend");
  fraReferAFriend->setGeometry(TwipsRect(240, 2700, 6720, 3300));
  txtName = MakeBox(fraReferAFriend, "txtName", kNamePlaceholder,
                    TwipsRect(120, 300, 3180, 330));
  txtEmail = MakeBox(fraReferAFriend, "txtEmail", kEmailPlaceholder,
                     TwipsRect(3420, 300, 3180, 330));
  txtFriendName =
      MakeBox(fraReferAFriend, "txtFriendName", kFriendNamePlaceholder,
              TwipsRect(120, 720, 3180, 330));
  txtFriendEmail =
      MakeBox(fraReferAFriend, "txtFriendEmail", kFriendEmailPlaceholder,
              TwipsRect(3420, 720, 3180, 330));
  txtMessage =
      new QPlainTextEdit(Placeholder(kMessagePlaceholder), fraReferAFriend);
  txtMessage->setObjectName("txtMessage");
  txtMessage->setGeometry(TwipsRect(120, 1140, 6480, 1500));
  txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtMessage->setTabChangesFocus(true);
  cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), fraReferAFriend);
  cmdSubmit->setObjectName("cmdSubmit");
  cmdSubmit->setGeometry(TwipsRect(4080, 2760, 2520, 400));
  connect(cmdSubmit, &QPushButton::clicked, this,
          &FrmExitScreen::cmdSubmit_Click);

  cmdClose = new QPushButton(tr("E&xit"), this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setGeometry(TwipsRect(5640, 6180, 1320, 400));
  connect(cmdClose, &QPushButton::clicked, this,
          &FrmExitScreen::cmdClose_Click);

  for (QWidget* box : std::initializer_list<QWidget*>{
           txtName, txtEmail, txtMessage, txtFriendName, txtFriendEmail}) {
    box->installEventFilter(this);
  }
  GrowToFitTexts(this);
}

const char* FrmExitScreen::PlaceholderOf(const QObject* box) const {
  if (box == txtName) return kNamePlaceholder;
  if (box == txtEmail) return kEmailPlaceholder;
  if (box == txtMessage) return kMessagePlaceholder;
  if (box == txtFriendName) return kFriendNamePlaceholder;
  if (box == txtFriendEmail) return kFriendEmailPlaceholder;
  return nullptr;
}

QString FrmExitScreen::TextOf(const QObject* box) const {
  if (box == txtMessage) return txtMessage->toPlainText();
  if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
    return line->text();
  }
  return QString();
}

void FrmExitScreen::SetTextOf(QObject* box, const QString& text) {
  if (box == txtMessage) {
    txtMessage->setPlainText(text);
  } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
    line->setText(text);
  }
}

bool FrmExitScreen::eventFilter(QObject* watched, QEvent* event) {
  const char* placeholder = PlaceholderOf(watched);
  if (placeholder == nullptr) return QWidget::eventFilter(watched, event);

  switch (event->type()) {
    case QEvent::FocusIn:
      if (TextOf(watched).trimmed() == Placeholder(placeholder)) {
        SetTextOf(watched, QString());
      }
      break;
    case QEvent::FocusOut:
      if (TextOf(watched).trimmed().isEmpty()) {
        SetTextOf(watched, Placeholder(placeholder));
      }
      break;
    case QEvent::KeyPress:
      if ((watched == txtEmail || watched == txtFriendEmail) &&
          static_cast<QKeyEvent*>(event)->text().contains(' ')) {
        ShowMessage(tr("Email Address Cannot Contain Space"),
                    MessageIcon::Error, MessageButtons::Ok, this);
        static_cast<QWidget*>(watched)->setFocus();
        return true;  // the blank is dropped
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void FrmExitScreen::cmdSubmit_Click() {
  stored_ = ReferAFriendFields{
      txtName->text().trimmed(), txtEmail->text().trimmed(),
      txtMessage->toPlainText().trimmed(), txtFriendName->text().trimmed(),
      txtFriendEmail->text().trimmed()};
  if (const std::optional<QString> problem = CheckReferAFriend(stored_)) {
    ShowMessage(*problem, MessageIcon::Error, MessageButtons::Ok, this);
    return;
  }
  OpenWebPage(ReferAFriendAddress(stored_));
}

void FrmExitScreen::cmdClose_Click() { close(); }

void FrmExitScreen::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

void FrmExitScreen::Check1_Toggled(bool checked) {
  if (!checked) return;
  Check1->setChecked(false);
  OpenForumHome();
}

void FrmExitScreen::lblGoToHome_Click() { OpenCatalogPage(); }

}  // namespace tarvelin
