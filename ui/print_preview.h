#pragma once
// The print preview window that every printout of the program can open in: the pages as they will
// print, one by one or two side by side, at any zoom, with "Imprimir" (the program's print dialog,
// then the program's printer) and "Salvar PDF" (a file dialog, then the same pages as a PDF file).
// The pages come from the printout's one paint function, which also prints them and writes the
// PDF. The window belongs to the window that opened it and is destroyed when it closes.

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "ui/paged_printout.h"

QT_BEGIN_NAMESPACE
class QAction;
class QLabel;
class QPrintPreviewWidget;
class QSpinBox;
QT_END_NAMESPACE

namespace vorelim {

/// What the preview shows and saves.
struct PreviewDocument {
  PagedPrintout printout;
  /// The window's caption, e.g. "Relatório - MARIA".
  QString window_title;
  /// The file name "Salvar PDF" proposes, e.g. "MARIA 2027.pdf", in `folder`.
  QString pdf_file_name;
  /// The folder "Salvar PDF" opens in: the program's current folder.
  std::filesystem::path folder;
};

class PrintPreviewWindow : public QWidget {
  Q_OBJECT

 public:
  /// Builds the window over `owner` (destroyed with it), not shown yet. The pages are laid out on
  /// the program printer's paper and orientation.
  PrintPreviewWindow(QWidget* owner, PreviewDocument document);
  ~PrintPreviewWindow() override;

  /// The pages as shown.
  QPrintPreviewWidget* Preview() const { return preview_; }
  const PreviewDocument& Document() const { return document_; }

 public slots:
  /// "Imprimir": the program's print dialog, then every page on the chosen printer.
  void PrintClick();
  /// "Salvar PDF": a file dialog proposing the document's file name in its folder, then the PDF
  /// written there. A failure is told in a message box and leaves an existing file as it was.
  void SavePdfClick();

 private:
  QAction* AddCommand(const QString& caption, const QKeySequence& shortcut, const char* name);
  /// Lays the bar's commands out in two rows, split between two groups: under a large desktop
  /// font one row would be wider than the screen.
  void WrapBar();
  void ShowPageNumber();
  void TakeFocusBack();

  PreviewDocument document_;
  QPrintPreviewWidget* preview_ = nullptr;
  QSpinBox* page_box_ = nullptr;
  QLabel* page_count_label_ = nullptr;
  QWidget* bar_ = nullptr;
};

/// Opens the preview as every window opens: built over `owner`, shown, given the focus.
PrintPreviewWindow* OpenPrintPreview(QWidget* owner, PreviewDocument document);

/// Asks for the PDF file to write in a file dialog over `parent` that proposes `proposed` (a full
/// path); Enter accepts. A file that exists is chosen only after the dialog's own question about
/// replacing it. Empty when the user cancelled.
QString RunSavePdfDialog(QWidget* parent, const QString& proposed);
using SavePdfDialog = std::function<QString(QWidget* parent, const QString& proposed)>;
/// Makes RunSavePdfDialog call `dialog` instead (tests); an empty function brings the dialog back.
void SetSavePdfDialogForTesting(SavePdfDialog dialog);

/// Writes the PDF `pdf` to `path` atomically: into a new file in the same folder, renamed over
/// `path` only when it was written whole. Returns the message for the user when it failed, empty
/// when it was written.
QString WritePdfFile(const QString& path, const QByteArray& pdf);

}  // namespace vorelim
