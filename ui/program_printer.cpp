#include "ui/program_printer.h"

#include <QCoreApplication>
#include <QObject>
#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>
#include <utility>

namespace vorelim {
namespace {

// Keeps the printer alive exactly as long as the application object: a child QObject of the
// application, deleted with it.
class PrinterHolder : public QObject {
 public:
  explicit PrinterHolder(QObject* parent)
      : QObject(parent), printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
  std::unique_ptr<QPrinter> printer;
};

QPointer<PrinterHolder> holder;
QPrinter* replacement = nullptr;

PrintDialog& PrintDialogReplacement() {
  static PrintDialog dialog;
  return dialog;
}

PrinterSetupDialog& SetupDialogReplacement() {
  static PrinterSetupDialog dialog;
  return dialog;
}

}  // namespace

QPrinter& ProgramPrinter() {
  if (replacement != nullptr) return *replacement;
  if (holder.isNull()) holder = new PrinterHolder(QCoreApplication::instance());
  return *holder->printer;
}

void SetProgramPrinterForTesting(QPrinter* printer) {
  replacement = printer;
}

bool BeginPrintout(QPainter& painter, QPaintDevice& printer) {
  if (!painter.begin(&printer)) return false;
  painter.paintEngine()->setDirty(QPaintEngine::DirtyPen | QPaintEngine::DirtyBrush |
                                  QPaintEngine::DirtyFont);
  return true;
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  if (PrintDialogReplacement()) return PrintDialogReplacement()(printer, parent);
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("PrintDialog1"));
  return dialog.exec() == QDialog::Accepted;
}

void RunPrinterSetupDialog(QPrinter& printer, QWidget* parent) {
  if (SetupDialogReplacement()) {
    SetupDialogReplacement()(printer, parent);
    return;
  }
  QPageSetupDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
  dialog.exec();
}

void SetPrintDialogForTesting(PrintDialog dialog) {
  PrintDialogReplacement() = std::move(dialog);
}

void SetPrinterSetupDialogForTesting(PrinterSetupDialog dialog) {
  SetupDialogReplacement() = std::move(dialog);
}

}  // namespace vorelim
