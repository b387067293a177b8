// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/common/web_links.h"

#include <QUrl>
#include <QUrlQuery>

#include "widgets/common/app_seams.h"

namespace tarvelin {

void OpenOnlineHelp() { OpenWebPage(address::kOnlineHelp); }
void OpenForumHome() { OpenWebPage(address::kForumHome); }
void OpenDownloadPage() { OpenWebPage(address::kDownloadPage); }
void OpenDonatePage() { OpenWebPage(address::kDonatePage); }
void OpenFullBrandPage() { OpenWebPage(address::kFullBrandPage); }
void OpenCoBrandPage() { OpenWebPage(address::kCoBrandPage); }
void OpenCatalogPage() { OpenWebPage(address::kCatalogPage); }

QString WebSearchAddress(const QString& searchText) {
  const QString site = QUrl(address::kHomePage).host();
  QUrl url(address::kWebSearch);
  QUrlQuery query;
  query.addQueryItem("q", searchText + " site:" + site);
  url.setQuery(query);
  return url.toString(QUrl::FullyEncoded);
}

}  // namespace tarvelin
