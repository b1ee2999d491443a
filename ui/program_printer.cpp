#include "ui/program_printer.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QPrinter>

#include <memory>

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

}  // namespace

QPrinter& ProgramPrinter() {
  if (replacement != nullptr) return *replacement;
  if (holder.isNull()) holder = new PrinterHolder(QCoreApplication::instance());
  return *holder->printer;
}

void SetProgramPrinterForTesting(QPrinter* printer) {
  replacement = printer;
}

}  // namespace vorelim
