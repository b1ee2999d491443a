#pragma once
// The messages the chart program shows: every text is built by a plain function here, and every
// message reaches the user through ShowMessage. Tests replace the boxes that would wait for an
// answer with a sink, so they see the text without a box blocking them.

#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "chart/chart_file.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

// --- Texts -----------------------------------------------------------------------------------

/// The program's title, "MAPA DO VORELIM": the frame's caption, the title of its messages, the
/// about box's name line and the help window's caption.
QString ProgramTitle();
/// "FAÇA SEU MAPA": the frame's start button and the caption of the texts window, whose
/// introduction the button opens.
QString StartCaption();

/// Why a file operation failed, in Portuguese, from the errno it failed with: the common errors in
/// our own words, any other in the system's own text; empty for 0. Every file message tells its
/// reason with this.
QString SystemErrorReason(int error);
/// "1 byte", "2 bytes", "0 bytes": the count and the noun that agrees with it.
QString CountText(qint64 count, const QString& singular, const QString& plural);
/// Why a name that is neither a file nor a folder (a named pipe, a device, a socket) cannot be read
/// as a file.
QString NotRegularFileReason();

/// Why `name` cannot be a chart name.
QString NameProblemText(NameProblem problem, const QString& name);
/// The new chart dialog's message for a refused name: "O mapa não foi criado." and the reason.
QString ChartNotCreatedText(NameProblem problem, const QString& name);
/// The new chart dialog's message for a chart file that could not be written: the file, its
/// folder (the folder the program works in, named even after it was removed), what failed and the
/// system's reason, and, when a file of that name was there before, that it is unchanged.
QString WriteProblemText(const WriteResult& result);

/// Why a chart file did not give a chart, with the file's full name; empty for a whole file that
/// `looks_like_chart`.
QString LoadWarningText(const ReadResult& result, bool looks_like_chart);
/// How many files a message about files names; it tells how many more there are after them.
inline constexpr std::size_t kListedFiles = 10;

/// The files handed to the program (command line, desktop, a drop) that gave no chart window, each
/// with its full name and the reason; one message for them all. Names the first kListedFiles, each
/// name cut in the middle to fit `line_width` pixels of a message box (0: whole), then how many
/// more there are ("e mais 990 arquivos."), counting `unlisted` files beyond `refused` too. Empty
/// when there is none.
QString FilesNotOpenedText(const std::vector<ReadResult>& refused, int line_width = 0,
                           std::size_t unlisted = 0);
/// The charts handed over in one go that opened but are incomplete or do not look like charts
/// (LoadWarningText), in one message, listed as FilesNotOpenedText lists.
QString LoadWarningsText(const std::vector<ReadResult>& warned, int line_width = 0,
                         std::size_t unlisted = 0);
/// The widest line a message box over `owner` shows without wrapping it, in pixels, on the
/// screen `owner` is on.
int MessageLineWidth(const QWidget* owner);

/// The help file `shown` (native separators) does not exist.
QString HelpFileMissingText(const QString& shown);

/// The help window does not follow `link` (as the page wrote it): it leads out of the manual, or
/// is of a kind the help window neither shows nor hands to the desktop.
QString HelpLinkRefusedText(const QString& link);
/// The manual's page `shown` (native separators) does not exist.
QString HelpPageMissingText(const QString& shown);
/// The manual's page `shown` is larger than the help window reads (`limit_bytes`).
QString HelpPageTooLargeText(const QString& shown, qint64 limit_bytes);
/// The manual's page `shown` cannot be read, for the system error `error`; 0 when it is not a
/// regular file (a folder, a pipe, a device).
QString HelpPageUnreadableText(const QString& shown, int error);
/// The desktop has no program that opens `url` (a web page or an e-mail address).
QString DesktopOpenFailedText(const QString& url);

/// The PDF file `path` could not be written, for the system error `error` (0 when the document
/// itself could not be made); a file that was there before is unchanged.
QString PdfNotSavedText(const QString& path, int error);

/// The register's list could not be written to the file `shown` (native separators), for the
/// system error `error`; the file is unchanged.
QString ListNotExportedText(const QString& shown, int error);

/// A failure inside an event handler that gave no text of its own.
QString UnknownFailureText();

// --- Showing ---------------------------------------------------------------------------------

enum class MessageKind { Warning, Failure };
/// Whether ShowMessage returns once the user closed the box or at once.
enum class MessageWait { UntilClosed, No };

struct Message {
  MessageKind kind = MessageKind::Warning;
  QString title{};
  QString text{};
  MessageWait wait = MessageWait::UntilClosed;
  /// The object name of the box, by which its window and tests find it.
  QString box_name{};
};

/// Shows `message` in a box over `owner`: a warning or a failure, waiting until the user closes it
/// or (MessageWait::No) left open over its window, deleted when closed. While a test has set a
/// sink, a message that would wait goes to the sink instead.
void ShowMessage(QWidget* owner, const Message& message);

/// A text made of a list of files: the files listed, the width of a line, the files beyond them.
using FileListText =
    std::function<QString(const std::vector<ReadResult>& files, int line_width, std::size_t more)>;

/// Tells `files` in the box named `box_name` over `owner` (MessageWait::No), with the text `text`
/// makes. While such a box is still open, the files join those it tells and its text is replaced,
/// so that failures coming one after another fill one box instead of stacking boxes. The box
/// keeps the first kListedFiles files and the count of the others. Nothing for no files.
void ShowFileListMessage(QWidget* owner, const QString& box_name,
                         const std::vector<ReadResult>& files, const FileListText& text);

using MessageSink = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

/// Makes ShowMessage hand every message that would wait to `sink`; an empty sink brings the
/// boxes back.
void SetMessageSinkForTesting(MessageSink sink);

}  // namespace vorelim
