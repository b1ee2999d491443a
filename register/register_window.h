#pragma once
// The register ("Fichário"): a window listing the charts of the program's current folder, one per
// frame. It opens nothing itself: the charts the user chooses, a new chart and another folder are
// requests that the frame connects, as the chart window's menu commands are.

#include <QByteArrayList>
#include <QString>
#include <QWidget>
#include <filesystem>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace vorelim {

class RegisterList;

class RegisterWindow : public QWidget {
  Q_OBJECT

 public:
  explicit RegisterWindow(QWidget* parent = nullptr);

  /// Lists `folder` and follows it; the caption becomes "Fichário - " and the folder.
  void SetFolder(const std::filesystem::path& folder);
  /// Shows the window (or brings it forward) with the focus in its search box.
  void ShowAndFocus();

  /// Lists `folder` and tells FolderChosen, as choosing it with "Outra pasta..." does.
  void ChooseFolder(const std::filesystem::path& folder);
  /// Writes the rows shown as CSV to `file`; false (after telling the user why) when it fails.
  bool ExportList(const QString& file);

  RegisterList* list() const { return list_; }
  QPushButton* OutraPasta = nullptr;  // "Outra pasta..."
  QPushButton* Novo = nullptr;        // "&Novo"
  QPushButton* Exportar = nullptr;    // "Exportar lista..."

 signals:
  /// The user chose these charts (absolute file names, as bytes) to open.
  void OpenRequested(const QByteArrayList& files);
  /// "&Novo" (Ctrl+N): asks for a new chart dialog.
  void NewChartRequested();
  /// "Outra pasta...": the user chose `folder`, which the window now lists.
  void FolderChosen(const std::filesystem::path& folder);

 public slots:
  /// Asks for a folder and lists it.
  void OutraPastaClick();
  /// Asks for a file and writes the rows shown to it.
  void ExportarClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  /// The first time it shows, the window is centred on its screen; after that it stays where the
  /// user left it.
  void showEvent(QShowEvent* event) override;

 private:
  RegisterList* list_ = nullptr;
  bool placed_ = false;
};

}  // namespace vorelim
