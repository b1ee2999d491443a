#pragma once
// Where the program's help file lies: the contents page of the manual, HTML pages installed in the
// program's data folder. The frame is given it at start-up and hands it to its help window
// (app/help_window.h) at each "&Help".

#include <QString>

namespace vorelim {

/// The absolute path of the contents page for a program in `program_folder`: the manual's folder
/// lies at the same place relative to the program in the build tree and in every installation
/// (share/vorelim/manual beside bin/).
QString ContentsPageFor(const QString& program_folder);

/// The contents page for the running program. Needs the QCoreApplication.
QString DefaultHelpFile();

}  // namespace vorelim
