#pragma once
// The program's help layer. The help file fixed at start-up is the contents page of the manual,
// HTML pages installed in the program's data folder; showing the help contents means showing that
// page in the program's own help window (app/help_window.h), one window per owner. A missing file
// is reported to the user in a warning naming the file (ShowMessage).

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

class HelpViewer {
 public:
  /// The file name of the manual's contents page, the same wherever it is installed.
  static const QString& FileName();

  /// The absolute path of the contents page for a program in `program_folder`: the manual's
  /// folder lies at the same place relative to the program in the build tree and in every
  /// installation (share/vorelim/manual beside bin/).
  static QString ContentsPageFor(const QString& program_folder);
  /// The contents page for the running program. Needs the QCoreApplication.
  static QString DefaultHelpFile();

  /// The help layer used by the whole program.
  static HelpViewer& Application();

  explicit HelpViewer(QString help_file = {});

  void SetHelpFile(const QString& path) { help_file_ = path; }
  const QString& HelpFile() const { return help_file_; }

  /// Shows the help file in the help window of `owner` (which is also the parent of any
  /// message), at its top and in front. Returns true when the window shows it. Does nothing when
  /// no help file is set.
  bool ShowContents(QWidget* owner) const;

 private:
  QString help_file_;
};

}  // namespace vorelim
