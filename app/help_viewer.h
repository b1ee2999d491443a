#pragma once
// The program's help layer. This platform has no viewer for the compiled help format, so showing
// the help contents means opening the help file with the desktop's default handler for it. The
// help file is fixed once at start-up; a missing file, or one the desktop cannot open, is reported
// to the user in a warning naming the file (vorelim::ShowMessage).

#include <QString>
#include <functional>

QT_BEGIN_NAMESPACE
class QUrl;
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

class HelpViewer {
 public:
  /// Opens a URL with the desktop's handler; true when a handler took it.
  using Launcher = std::function<bool(const QUrl& url)>;

  /// The help file's name, the same wherever it is installed.
  static const QString& FileName();

  /// The folder of the help file: `installed_data_folder` when it exists; otherwise the data folder
  /// relative to `program_folder` ("../share/vorelim", an install moved elsewhere) when that
  /// exists; otherwise `program_folder` itself, which is what a program run from the build tree
  /// uses.
  static QString HelpFolder(const QString& installed_data_folder, const QString& program_folder);
  /// The absolute path of the help file for the running program, from the install prefix it was
  /// built for and the folder it runs from. Needs the QCoreApplication.
  static QString DefaultHelpFile();

  /// The help layer used by the whole program.
  static HelpViewer& Application();

  /// A help layer for `help_file` that opens it with `launcher`; an empty function selects the
  /// desktop.
  explicit HelpViewer(QString help_file = {}, Launcher launcher = {});

  void SetHelpFile(const QString& path) { help_file_ = path; }
  const QString& HelpFile() const { return help_file_; }
  /// Replaces the launcher; an empty function restores the desktop's.
  void SetLauncher(Launcher launcher);

  /// Shows the contents of the help file, with `owner` as the parent of any message. Returns true
  /// when the file was handed to the viewer. Does nothing when no help file is set.
  bool ShowContents(QWidget* owner) const;

 private:
  QString help_file_;
  Launcher launcher_;
};

}  // namespace vorelim
