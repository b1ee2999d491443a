#include "app/help_file.h"

#include <QCoreApplication>
#include <QDir>

// The manual's folder relative to the program's, from app/CMakeLists.txt: the build lays the
// manual out beside the program as an installation does.
#ifndef VORELIM_MANUAL_FROM_PROGRAM
#error "VORELIM_MANUAL_FROM_PROGRAM must name the manual's folder relative to the program's"
#endif

namespace vorelim {

QString ContentsPageFor(const QString& program_folder) {
  const QDir manual(QDir(program_folder).filePath(QStringLiteral(VORELIM_MANUAL_FROM_PROGRAM)));
  return QDir::cleanPath(manual.absoluteFilePath(QStringLiteral("index.html")));
}

QString DefaultHelpFile() {
  return ContentsPageFor(QCoreApplication::applicationDirPath());
}

}  // namespace vorelim
