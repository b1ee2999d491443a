#include "app/help_viewer.h"

#include "app/messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#ifndef VORELIM_DATA_DIR
#define VORELIM_DATA_DIR "/usr/local/share/vorelim"
#endif

namespace {

bool OpenWithDesktop(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

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
  static const QString name = QStringLiteral("Vorelim.hlp");
  return name;
}

QString HelpViewer::HelpFolder(const QString& installed_data_folder,
                               const QString& program_folder) {
  if (!installed_data_folder.isEmpty() && QFileInfo(installed_data_folder).isDir()) {
    return QDir(installed_data_folder).absolutePath();
  }
  const QDir relocated(QDir(program_folder).filePath(QStringLiteral("../share/vorelim")));
  if (relocated.exists()) return relocated.absolutePath();
  return QDir(program_folder).absolutePath();
}

QString HelpViewer::DefaultHelpFile() {
  const QString folder =
      HelpFolder(QStringLiteral(VORELIM_DATA_DIR), QCoreApplication::applicationDirPath());
  return QDir(folder).filePath(FileName());
}

HelpViewer& HelpViewer::Application() {
  static HelpViewer viewer;
  return viewer;
}

HelpViewer::HelpViewer(QString help_file, Launcher launcher) : help_file_(std::move(help_file)) {
  SetLauncher(std::move(launcher));
}

void HelpViewer::SetLauncher(Launcher launcher) {
  launcher_ = launcher ? std::move(launcher) : Launcher(OpenWithDesktop);
}

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
  if (!launcher_(QUrl::fromLocalFile(QFileInfo(help_file_).absoluteFilePath()))) {
    vorelim::ShowWarning(
        owner, QStringLiteral("Ajuda"),
        QStringLiteral("Não foi possível abrir o arquivo de ajuda:\n%1\nNenhum programa deste "
                       "computador abre arquivos deste tipo.")
            .arg(shown));
    return false;
  }
  return true;
}
