#include "app/desktop_links.h"

#include <QDesktopServices>
#include <utility>

namespace vorelim {
namespace {

DesktopOpener& Opener() {
  static DesktopOpener opener;
  return opener;
}

}  // namespace

bool OpenOnDesktop(const QUrl& url) {
  if (Opener()) return Opener()(url);
  return QDesktopServices::openUrl(url);
}

void SetDesktopOpenerForTesting(DesktopOpener opener) {
  Opener() = std::move(opener);
}

}  // namespace vorelim
