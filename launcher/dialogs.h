#pragma once
// The launcher's two dialogs, laid out from their dialog-unit tables: 1000 tells that the program
// is meant for the help system, 1001 asks for the folder of a missing file. Each widget's
// objectName is its dialog or control id, so tests find them with findChild.

#include <QDialog>
#include <QRect>
#include <QString>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace korvex {

/// Dialog units to pixels for the dialogs' font (MS Sans Serif 8 pt: base units 6 x 13 pixels),
/// rounded to the nearest pixel.
constexpr int DluToPixelsX(int x) {
  return (x * 6 + 2) / 4;
}
constexpr int DluToPixelsY(int y) {
  return (y * 13 + 4) / 8;
}
QRect DluRect(int x, int y, int width, int height);

/// Dialog 1000, "Tavrel Application Launcher": closes on OK, Enter or Esc.
class NoticeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NoticeDialog(QWidget* parent = nullptr);

 private:
  QPushButton* m_ok;
};

/// Dialog 1001, "File Not Found": shows the missing file's name and offers its folder for editing.
/// OK (or Enter) accepts the folder typed; Cancel (or Esc) rejects.
class FileNotFoundDialog : public QDialog {
  Q_OBJECT
 public:
  FileNotFoundDialog(const QString& file_name, const QString& folder, QWidget* parent = nullptr);
  /// The folder entry's text.
  QString folder() const;

 private:
  QLabel* m_file_name;
  QLineEdit* m_folder;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

/// Sets the dialogs' font and window flags shared by both: MS Sans Serif 8 pt (or its substitute),
/// a title bar without close button or system menu.
void PrepareLauncherDialog(QDialog& dialog, const QString& title, int width_dlu, int height_dlu);

/// Centres `dialog` on the available area of its screen, halves rounded toward zero.
void CentreOnScreen(QDialog& dialog);

}  // namespace korvex
