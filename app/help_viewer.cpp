#include "app/help_viewer.h"

#include "app/help_window.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

// The manual's folder relative to the program's, from app/CMakeLists.txt: the build lays the
// manual out beside the program as an installation does.
#ifndef VORELIM_MANUAL_FROM_PROGRAM
#error "VORELIM_MANUAL_FROM_PROGRAM must name the manual's folder relative to the program's"
#endif

namespace vorelim {
namespace {

// The errno that keeps the help file from being read, 0 when it can be; anything else than a
// regular file of that name (a folder, a device) counts as missing.
int HelpFileError(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::stat(name.constData(), &info) != 0) return errno;
  if (!S_ISREG(info.st_mode)) return ENOENT;
  if (::access(name.constData(), R_OK) != 0) return errno;
  return 0;
}

}  // namespace

const QString& HelpViewer::FileName() {
  static const QString name = QStringLiteral("index.html");
  return name;
}

QString HelpViewer::ContentsPageFor(const QString& program_folder) {
  const QDir manual(QDir(program_folder).filePath(QStringLiteral(VORELIM_MANUAL_FROM_PROGRAM)));
  return QDir::cleanPath(manual.absoluteFilePath(FileName()));
}

QString HelpViewer::DefaultHelpFile() {
  return ContentsPageFor(QCoreApplication::applicationDirPath());
}

HelpViewer& HelpViewer::Application() {
  static HelpViewer viewer;
  return viewer;
}

HelpViewer::HelpViewer(QString help_file) : help_file_(std::move(help_file)) {}

bool HelpViewer::ShowContents(QWidget* owner) const {
  if (help_file_.isEmpty()) return false;
  const QString shown = QDir::toNativeSeparators(help_file_);
  const int error = HelpFileError(help_file_);
  if (error == ENOENT) {
    ShowMessage(owner, {.title = QStringLiteral("Ajuda"), .text = HelpFileMissingText(shown)});
    return false;
  }
  if (error != 0) {
    ShowMessage(owner,
                {.title = QStringLiteral("Ajuda"), .text = HelpFileUnreadableText(shown, error)});
    return false;
  }
  vorelim::HelpWindowOf(owner)->ShowContents(
      QUrl::fromLocalFile(QFileInfo(help_file_).absoluteFilePath()));
  return true;
}

}  // namespace vorelim
