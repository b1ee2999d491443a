#include "app/help_viewer.h"

#include "ui/messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <utility>

// The installed data folder, from app/CMakeLists.txt; without it the help file could not be found
// once installed.
#ifndef VORELIM_DATA_DIR
#error "VORELIM_DATA_DIR must name the installed data folder"
#endif

namespace vorelim {
namespace {

bool OpenWithDesktop(const QUrl& url) {
  return QDesktopServices::openUrl(url);
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
  if (!QFileInfo(help_file_).isFile()) {
    ShowMessage(owner, {.title = QStringLiteral("Ajuda"), .text = HelpFileMissingText(shown)});
    return false;
  }
  if (!launcher_(QUrl::fromLocalFile(QFileInfo(help_file_).absoluteFilePath()))) {
    ShowMessage(owner, {.title = QStringLiteral("Ajuda"), .text = HelpFileNotOpenedText(shown)});
    return false;
  }
  return true;
}

}  // namespace vorelim
