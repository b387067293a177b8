// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: what Tarvelin is, an offer and a link to the forum.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvelin {

class FrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAbout(QWidget* parent = nullptr);

 private slots:
  void lblCoBrand_Click();
  void lblHomePage_Click();

 private:
  // Controls, each with its name as its objectName.
  QLabel *lblTitle = nullptr, *lblDescription = nullptr, *lblOffer = nullptr,
         *lblCoBrand = nullptr, *lblAtlasCredit = nullptr,
         *lblHomePage = nullptr;
  QPushButton* cmdOK = nullptr;
};

}  // namespace tarvelin
