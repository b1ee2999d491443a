#pragma once
// The program's one current printer. The printer setup chosen in any window (printer, paper,
// orientation) stays in it for every later printout of the program, chart or text, until the
// program ends.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QPrinter;
QT_END_NAMESPACE

namespace vorelim {

/// The current printer, created on first use and owned by the application object (destroyed with
/// it). Needs a QApplication.
QPrinter& ProgramPrinter();

/// Makes ProgramPrinter() return the given printer (not owned) instead of the application's own;
/// nullptr goes back to the application's own. For tests that record or redirect printouts.
void SetProgramPrinterForTesting(QPrinter* printer);

}  // namespace vorelim
