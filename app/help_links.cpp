#include "app/help_links.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#include "ui/messages.h"

namespace vorelim {
namespace {

// True when `path` is `folder` or lies below it; both absolute and clean.
bool Inside(const QString& path, const QString& folder) {
  if (folder.isEmpty() || path.isEmpty()) return false;
  if (folder == QLatin1String("/")) return path.startsWith(folder);
  return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

HelpLink ResolveHelpLink(const QUrl& link, const QUrl& from, const QString& manual_folder) {
  const QUrl url = from.resolved(link);
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
      scheme == QLatin1String("mailto")) {
    return {HelpLink::Kind::Desktop, url, {}};
  }
  const HelpLink refused{HelpLink::Kind::Refused, url, HelpLinkRefusedText(link.toDisplayString())};
  // Only a local file, and no file of another computer ("file://host/...").
  if (!url.isLocalFile() || !url.host().isEmpty()) return refused;

  const QString path = QDir::cleanPath(url.toLocalFile());
  const QString folder = QDir::cleanPath(QDir(manual_folder).absolutePath());
  if (!QDir::isAbsolutePath(path) || !Inside(path, folder)) return refused;
  const QString shown = QDir::toNativeSeparators(path);
  const QFileInfo info(path);
  if (!info.exists()) return {HelpLink::Kind::Missing, url, HelpPageMissingText(shown)};
  // A symbolic link inside the folder may point out of it: the file itself must lie inside.
  if (!Inside(info.canonicalFilePath(), QFileInfo(folder).canonicalFilePath())) return refused;
  if (!info.isFile()) {
    return {HelpLink::Kind::Unreadable, url,
            HelpPageUnreadableText(shown, info.isDir() ? EISDIR : 0)};
  }
  if (info.size() > kMaxHelpPageBytes) {
    return {HelpLink::Kind::TooLarge, url, HelpPageTooLargeText(shown, kMaxHelpPageBytes)};
  }
  if (!info.isReadable()) {
    return {HelpLink::Kind::Unreadable, url, HelpPageUnreadableText(shown, EACCES)};
  }
  QUrl page = QUrl::fromLocalFile(path);
  page.setFragment(url.fragment());
  return {HelpLink::Kind::Page, page, {}};
}

}  // namespace vorelim
