#include "app/help_viewer.h"

#include "app/help_window.h"
#include "app/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

// The manual's folder relative to the program's, as the build lays it out (the install layout).
#ifndef VORELIM_MANUAL_FROM_PROGRAM
#define VORELIM_MANUAL_FROM_PROGRAM "../share/vorelim/manual"
#endif

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
    vorelim::ShowWarning(owner, QStringLiteral("Ajuda"),
                         QStringLiteral("O arquivo de ajuda não foi encontrado:\n%1").arg(shown));
    return false;
  }
  if (error != 0) {
    vorelim::ShowWarning(
        owner, QStringLiteral("Ajuda"),
        QStringLiteral("Não foi possível abrir o arquivo de ajuda:\n%1\nMotivo: %2.")
            .arg(shown, vorelim::SystemErrorText(error)));
    return false;
  }
  vorelim::HelpWindowOf(owner)->ShowContents(
      QUrl::fromLocalFile(QFileInfo(help_file_).absoluteFilePath()));
  return true;
}
