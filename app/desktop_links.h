#pragma once
// Web pages and e-mail addresses go to the desktop: its browser or its mail program opens them.

#include <QUrl>
#include <functional>

namespace vorelim {

/// Opens `url` with the desktop's program for it (QDesktopServices::openUrl); false when the
/// desktop could not.
bool OpenOnDesktop(const QUrl& url);

using DesktopOpener = std::function<bool(const QUrl& url)>;
/// Makes OpenOnDesktop call `opener` instead of the desktop (tests, which must not start a
/// browser); an empty function brings the desktop back.
void SetDesktopOpenerForTesting(DesktopOpener opener);

}  // namespace vorelim
