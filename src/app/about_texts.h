// What the information box says, the same in every language, and the pages its links open.
#pragma once

#include <QString>

struct AboutTexts {
  QString productName; // lProductName
  QString date;        // lDate: the release month and year, "Dec-2026"
  QString copyright;   // lCopyright
  QString webPage;     // lWebPage: the home page, opened by a click on it
  QString email;       // lEmail: opens the request page
  QString freeware;    // lfreeware
  QString requestPage; // where users send their requests
  QString contact;     // the contact address, kept by the browser component
  QString donationPage;
};

inline AboutTexts AboutBoxTexts() {
  return {QStringLiteral("Zelvo Rename 2000 v4.2b"),
          QStringLiteral("Dec-2026"),
          QStringLiteral("\u00A9 2026 The Zelvo Rename developers"),
          QStringLiteral("https://zelvo-rename.example.org/"),
          QStringLiteral("email"),
          QStringLiteral("Freeware"),
          QStringLiteral("https://zelvo-rename.example.org/requests/"),
          QStringLiteral("zelvo-rename@example.org"),
          QStringLiteral("https://zelvo-rename.example.org/donate/")};
}
