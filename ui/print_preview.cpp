#include "ui/print_preview.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "ui/accessible_names.h"
#include "ui/messages.h"
#include "ui/program_printer.h"
#include "ui/window_icon.h"

namespace vorelim {
namespace {

SavePdfDialog& SavePdfDialogReplacement() {
  static SavePdfDialog dialog;
  return dialog;
}

QString WithoutMnemonic(QString caption) {
  return caption.remove(QLatin1Char('&'));
}

// Writes all of `data` to `fd`, going on after short writes and interruptions.
bool WriteAll(int fd, const char* data, qsizetype size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(QWidget* owner, PreviewDocument document)
    : QWidget(owner, Qt::Window), document_(std::move(document)) {
  setObjectName(QStringLiteral("PrintPreview"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(document_.window_title);
  CarryProgramIcon(*this);

  bar_ = new QWidget(this);
  bar_->setObjectName(QStringLiteral("PreviewBar"));
  auto* bar_layout = new QHBoxLayout(bar_);
  bar_layout->setContentsMargins(4, 4, 4, 4);

  preview_ = new QPrintPreviewWidget(&ProgramPrinter(), this);
  preview_->setObjectName(QStringLiteral("PreviewPages"));
  preview_->setAccessibleName(QStringLiteral("Páginas"));
  preview_->setAccessibleDescription(QStringLiteral("As páginas como serão impressas"));
  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { PrintPages(*printer, document_.printout); });
  connect(preview_, &QPrintPreviewWidget::previewChanged, this,
          &PrintPreviewWindow::ShowPageNumber);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar_);
  layout->addWidget(preview_, 1);

  connect(AddCommand(QStringLiteral("&Imprimir"), QKeySequence::Print, "Imprimir"),
          &QAction::triggered, this, &PrintPreviewWindow::PrintClick);
  connect(AddCommand(QStringLiteral("&Salvar PDF"), QKeySequence::Save, "SalvarPdf"),
          &QAction::triggered, this, &PrintPreviewWindow::SavePdfClick);
  bar_layout->addSpacing(12);

  connect(AddCommand(QStringLiteral("Página &anterior"), QKeySequence(Qt::Key_PageUp),
                     "PaginaAnterior"),
          &QAction::triggered, this,
          [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
  page_box_ = new QSpinBox(bar_);
  page_box_->setObjectName(QStringLiteral("Pagina"));
  page_box_->setAccessibleName(QStringLiteral("Página"));
  page_box_->setRange(1, std::max(1, document_.printout.page_count));
  page_box_->setKeyboardTracking(false);
  bar_layout->addWidget(page_box_);
  page_count_label_ = new QLabel(bar_);
  page_count_label_->setObjectName(QStringLiteral("TotalDePaginas"));
  bar_layout->addWidget(page_count_label_);
  connect(page_box_, &QSpinBox::valueChanged, preview_, &QPrintPreviewWidget::setCurrentPage);
  connect(AddCommand(QStringLiteral("Pró&xima página"), QKeySequence(Qt::Key_PageDown),
                     "ProximaPagina"),
          &QAction::triggered, this,
          [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
  bar_layout->addSpacing(12);

  connect(AddCommand(QStringLiteral("&Reduzir"), QKeySequence::ZoomOut, "Reduzir"),
          &QAction::triggered, preview_, [this] { preview_->zoomOut(); });
  QAction* zoom_in = AddCommand(QStringLiteral("Am&pliar"), QKeySequence::ZoomIn, "Ampliar");
  // Ctrl+= as well: on most keyboards "+" needs the shift key.
  zoom_in->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(zoom_in, &QAction::triggered, preview_, [this] { preview_->zoomIn(); });
  connect(AddCommand(QStringLiteral("Ajustar à &largura"), QKeySequence(Qt::CTRL | Qt::Key_1),
                     "AjustarLargura"),
          &QAction::triggered, preview_, &QPrintPreviewWidget::fitToWidth);
  connect(AddCommand(QStringLiteral("Página &inteira"), QKeySequence(Qt::CTRL | Qt::Key_0),
                     "PaginaInteira"),
          &QAction::triggered, preview_, &QPrintPreviewWidget::fitInView);
  bar_layout->addSpacing(12);

  connect(
      AddCommand(QStringLiteral("&Uma página"), QKeySequence(Qt::CTRL | Qt::Key_2), "UmaPagina"),
      &QAction::triggered, preview_, &QPrintPreviewWidget::setSinglePageViewMode);
  connect(AddCommand(QStringLiteral("&Duas páginas"), QKeySequence(Qt::CTRL | Qt::Key_3),
                     "DuasPaginas"),
          &QAction::triggered, preview_, &QPrintPreviewWidget::setFacingPagesViewMode);
  bar_layout->addStretch(1);
  connect(AddCommand(QStringLiteral("&Fechar"), QKeySequence(Qt::Key_Escape), "Fechar"),
          &QAction::triggered, this, &QWidget::close);

  preview_->setSinglePageViewMode();
  preview_->setZoomMode(QPrintPreviewWidget::FitInView);
  setTabOrder(bar_, preview_);
  ReadAsWindow(*this);

  // A page of A4 at a readable size, within the screen; so is the bar, in two rows if need be.
  QSize size(760, 900);
  if (const QScreen* shown_on = owner != nullptr ? owner->screen() : screen()) {
    size = size.boundedTo(shown_on->availableGeometry().size() * 9 / 10);
    if (bar_->sizeHint().width() > shown_on->availableGeometry().width()) WrapBar();
  }
  resize(size);
  ShowPageNumber();
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

QAction* PrintPreviewWindow::AddCommand(const QString& caption, const QKeySequence& shortcut,
                                        const char* name) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  addAction(action);
  const QString shortcut_text = shortcut.toString(QKeySequence::NativeText);
  action->setToolTip(shortcut_text.isEmpty()
                         ? WithoutMnemonic(caption)
                         : QStringLiteral("%1 (%2)").arg(WithoutMnemonic(caption), shortcut_text));

  auto* button = new QToolButton(bar_);
  button->setObjectName(QStringLiteral("Botao") + action->objectName());
  button->setDefaultAction(action);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setAccessibleName(WithoutMnemonic(caption));
  // Reachable with Tab like any button, not only by the mouse as tool buttons are by default.
  button->setFocusPolicy(Qt::StrongFocus);
  bar_->layout()->addWidget(button);
  return action;
}

void PrintPreviewWindow::WrapBar() {
  QLayout* one_row = bar_->layout();
  const QMargins margins = one_row->contentsMargins();
  QList<QLayoutItem*> items;
  while (QLayoutItem* item = one_row->takeAt(0)) items << item;
  delete one_row;  // the widgets stay the bar's, in their tab order

  // The second row begins at the gap between groups that halves the bar most nearly.
  int total = 0;
  for (const QLayoutItem* item : items) total += item->sizeHint().width();
  qsizetype gap = -1;
  int best = total;
  int width = 0;
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (items[i]->spacerItem() != nullptr && std::abs(total - 2 * width) < best) {
      best = std::abs(total - 2 * width);
      gap = i;
    }
    width += items[i]->sizeHint().width();
  }

  auto* rows = new QVBoxLayout(bar_);
  rows->setContentsMargins(margins);
  auto* row = new QHBoxLayout;
  rows->addLayout(row);
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (i == gap) {
      delete items[i];
      row->addStretch(1);
      row = new QHBoxLayout;
      rows->addLayout(row);
    } else {
      row->addItem(items[i]);
    }
  }
}

void PrintPreviewWindow::ShowPageNumber() {
  const int count = std::max(1, preview_->pageCount());
  page_box_->blockSignals(true);
  page_box_->setRange(1, count);
  page_box_->setValue(std::clamp(preview_->currentPage(), 1, count));
  page_box_->blockSignals(false);
  page_count_label_->setText(QStringLiteral("de %1").arg(count));
  page_box_->setAccessibleDescription(QStringLiteral("de %1").arg(count));
}

void PrintPreviewWindow::TakeFocusBack() {
  // A closed dialog does not always hand the focus back to the window it was over (no window
  // manager, some compositors); the preview's keys work only while it is the active window.
  raise();
  activateWindow();
}

void PrintPreviewWindow::PrintClick() {
  QPrinter& printer = ProgramPrinter();
  const bool accepted = RunPrintDialog(printer, this);
  TakeFocusBack();
  if (!accepted) return;
  // A printer that cannot print ends the printout silently, as every printout of the program.
  PrintPages(printer, document_.printout);
  // The dialog may have changed the paper or the orientation.
  preview_->updatePreview();
}

void PrintPreviewWindow::SavePdfClick() {
  const QString proposed =
      QDir(QString::fromStdString(document_.folder.string())).filePath(document_.pdf_file_name);
  const QString path = RunSavePdfDialog(this, proposed);
  TakeFocusBack();
  if (path.isEmpty()) return;
  const QPrinter& printer = ProgramPrinter();
  const QString problem = WritePdfFile(
      path, PdfDocument(document_.printout, printer.pageLayout(), printer.resolution()));
  if (!problem.isEmpty()) {
    ShowMessage(this, {.kind = MessageKind::Warning,
                       .title = ProgramTitle(),
                       .text = problem,
                       .box_name = QStringLiteral("PdfNotSaved")});
  }
}

PrintPreviewWindow* OpenPrintPreview(QWidget* owner, PreviewDocument document) {
  auto* window = new PrintPreviewWindow(owner, std::move(document));
  window->show();
  window->raise();
  window->activateWindow();
  window->Preview()->setFocus();
  return window;
}

QString RunSavePdfDialog(QWidget* parent, const QString& proposed) {
  if (SavePdfDialogReplacement()) return SavePdfDialogReplacement()(parent, proposed);
  QFileDialog dialog(parent, QStringLiteral("Salvar PDF"));
  dialog.setObjectName(QStringLiteral("SalvarPdfDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Documentos PDF (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  const QFileInfo file(proposed);
  dialog.setDirectory(file.absolutePath());
  dialog.selectFile(file.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void SetSavePdfDialogForTesting(SavePdfDialog dialog) {
  SavePdfDialogReplacement() = std::move(dialog);
}

QString WritePdfFile(const QString& path, const QByteArray& pdf) {
  if (pdf.isEmpty()) return PdfNotSavedText(path, 0);
  const QFileInfo target(path);
  std::string temp = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") +
                                       target.fileName() + QStringLiteral(".XXXXXX"))
                         .toStdString();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return PdfNotSavedText(path, errno);
  // A new file gets the permissions any new file of the user gets, not mkstemp's private ones.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  const bool written = WriteAll(fd, pdf.constData(), pdf.size()) && ::fsync(fd) == 0;
  const int write_error = errno;
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : write_error;
    ::unlink(temp.c_str());
    return PdfNotSavedText(path, error);
  }
  if (::rename(temp.c_str(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return PdfNotSavedText(path, error);
  }
  return {};
}

}  // namespace vorelim
