#pragma once
// Where a link of the manual leads, decided before the help window follows it. The window shows
// only pages of the manual's own folder (after ".." and symbolic links are resolved), hands web
// pages and e-mail addresses to the desktop, and refuses every other link.

#include <QString>
#include <QUrl>

namespace vorelim {

/// The largest page or picture the help window reads: a larger file would hold it up for long.
inline constexpr qint64 kMaxHelpPageBytes = 1024 * 1024;

struct HelpLink {
  enum class Kind {
    Page,        // a page (or picture) of the manual: `url`, the file's clean local name
    Desktop,     // an http, https or mailto link: `url`, for the desktop's browser or mail program
    Refused,     // a link out of the manual, or of another kind
    Missing,     // in the manual's folder, but no such file
    TooLarge,    // larger than kMaxHelpPageBytes
    Unreadable,  // a folder, a pipe, a device, or a file that may not be read
  };
  Kind kind = Kind::Refused;
  QUrl url;
  /// What the user is told when the link is not followed; empty for Page and Desktop.
  QString problem;
};

/// What `link`, found on the page `from`, leads to for the manual in `manual_folder`. A relative
/// link is taken relative to `from`.
HelpLink ResolveHelpLink(const QUrl& link, const QUrl& from, const QString& manual_folder);

}  // namespace vorelim
