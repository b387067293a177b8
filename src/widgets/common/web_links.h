// SPDX-License-Identifier: GPL-3.0-or-later
// Every web address of the product in one place, and the page operations.
#pragma once

#include <QString>

namespace tarvelin {

namespace address {
constexpr const char kHomePage[] = "https://www.tarvelin.example/";
constexpr const char kOnlineHelp[] = "https://www.tarvelin.example/help/";
constexpr const char kForumHome[] = "https://forum.tarvelin.example/";
constexpr const char kDownloadPage[] = "https://www.tarvelin.example/download/";
constexpr const char kDonatePage[] = "https://www.tarvelin.example/donate/";
constexpr const char kFullBrandPage[] =
    "https://www.tarvelin.example/full-brand/";
constexpr const char kCoBrandPage[] = "https://www.tarvelin.example/co-brand/";
constexpr const char kCatalogPage[] = "https://www.tarvelin.example/catalogue/";
constexpr const char kReferAFriendScript[] =
    "https://www.tarvelin.example/refer-a-friend";
constexpr const char kWebSearch[] = "https://duckduckgo.com/";
}  // namespace address

void OpenOnlineHelp();
void OpenForumHome();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenCatalogPage();

// Address of a web search for `searchText`, restricted to the home site.
QString WebSearchAddress(const QString& searchText);

}  // namespace tarvelin
