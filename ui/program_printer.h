#pragma once
// The program's one current printer. The printer setup chosen in any window (printer, paper,
// orientation) stays in it for every later printout of the program, chart or text, until the
// program ends.

#include <QtGlobal>
#include <functional>

QT_BEGIN_NAMESPACE
class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

/// The current printer, created on first use and owned by the application object (destroyed with
/// it). Needs a QApplication.
QPrinter& ProgramPrinter();

/// Makes ProgramPrinter() return the given printer (not owned) instead of the application's own;
/// nullptr goes back to the application's own. For tests that record or redirect printouts.
void SetProgramPrinterForTesting(QPrinter* printer);

/// Begins `painter` on `printer` (a printer or a PDF writer) for a new printout; false when the
/// printer cannot start. The printer's paint engine keeps the pen, brush and font of its previous
/// job, and a new painter hands it only what differs from the painter's own defaults: a black 1-px
/// pen, a hollow brush or the default font would print with whatever the engine held before (a
/// chart's red star outline, the first job's hairline). Begun here, every printout's own state
/// reaches the engine.
bool BeginPrintout(QPainter& painter, QPaintDevice& printer);

/// Asks the user, in the platform's print dialog over `parent`, to print on `printer`; true when
/// the user accepted. Every "I&mprimir" and "I&mprime" of the program asks here.
bool RunPrintDialog(QPrinter& printer, QWidget* parent);
/// Lets the user choose paper and orientation of `printer` in the page setup dialog over `parent`.
void RunPrinterSetupDialog(QPrinter& printer, QWidget* parent);

using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
using PrinterSetupDialog = std::function<void(QPrinter& printer, QWidget* parent)>;
/// Makes RunPrintDialog call `dialog` instead of showing the dialog (tests, which cannot answer a
/// modal dialog); an empty function brings the dialog back.
void SetPrintDialogForTesting(PrintDialog dialog);
/// The same for RunPrinterSetupDialog.
void SetPrinterSetupDialogForTesting(PrinterSetupDialog dialog);

}  // namespace vorelim
