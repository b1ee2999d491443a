#include "app/help_viewer.h"

#include "app/help_window.h"
#include "app/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <utility>

// The manual's folder relative to the program's, as the build lays it out (the install layout).
#ifndef VORELIM_MANUAL_FROM_PROGRAM
#define VORELIM_MANUAL_FROM_PROGRAM "../share/vorelim/manual"
#endif

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
  if (!QFileInfo(help_file_).isFile()) {
    vorelim::ShowWarning(owner, QStringLiteral("Ajuda"),
                         QStringLiteral("O arquivo de ajuda não foi encontrado:\n%1")
                             .arg(QDir::toNativeSeparators(help_file_)));
    return false;
  }
  vorelim::HelpWindowOf(owner)->ShowContents(
      QUrl::fromLocalFile(QFileInfo(help_file_).absoluteFilePath()));
  return true;
}
