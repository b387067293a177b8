// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_about.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "widgets/common/app_seams.h"
#include "widgets/common/twips.h"
#include "widgets/common/ui_widgets.h"
#include "widgets/common/web_links.h"

namespace tarvelin {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(tr("About %1").arg(kAppTitle));
  setModal(true);
  setFont(NamedFont("Verdana", 8));
  setFixedSize(Twips(6000), Twips(4200));

  lblTitle = MakeLabel(this, "lblTitle", kAppTitle,
                       TwipsRect(240, 240, 5520, 360), Wrap::Yes);
  QFont titleFont = NamedFont("Verdana", 12);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  lblDescription = MakeLabel(
      this, "lblDescription",
      tr("Tarvelin is a special Lagna (Ascendant) calculated on the basis of "
         "Vedic Astrology. This Lagna signifies the importance of self in "
         "terms of money, wealth and prosperity."),
      TwipsRect(240, 720, 5520, 840), Wrap::Yes);
  lblOffer = MakeLabel(this, "lblOffer",
                       tr("Home Business Opportunity. Start your own "
                          "Internet business and make money online. Get this "
                          "software fully branded for your website."),
                       TwipsRect(240, 1680, 5520, 840), Wrap::Yes);
  lblCoBrand = MakeLink(this, "lblCoBrand", tr("Click here for more details."),
                        TwipsRect(240, 2520, 5520, 270), Wrap::Yes);
  lblHomePage =
      MakeLink(this, "lblHomePage", tr("Visit our astrology forum for more"),
               TwipsRect(240, 3000, 3600, 270), Wrap::Yes);
  // The atlas's places are GeoNames', under CC BY 4.0: credited here.
  lblAtlasCredit = MakeLabel(this, "lblAtlasCredit",
                             tr("Places: GeoNames (geonames.org), CC BY 4.0"),
                             TwipsRect(240, 3420, 4080, 540), Wrap::Yes);
  cmdOK = new QPushButton(tr("OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setGeometry(TwipsRect(4440, 3480, 1320, 400));
  cmdOK->setDefault(true);

  connect(lblCoBrand, &QLabel::linkActivated, this,
          &FrmAbout::lblCoBrand_Click);
  connect(lblHomePage, &QLabel::linkActivated, this,
          &FrmAbout::lblHomePage_Click);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  GrowToFitTexts(this);
}

void FrmAbout::lblCoBrand_Click() { OpenFullBrandPage(); }
void FrmAbout::lblHomePage_Click() { OpenForumHome(); }

}  // namespace tarvelin
