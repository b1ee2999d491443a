#pragma once
// The messages the chart program shows: every text is built by a plain function here, and every
// message reaches the user through ShowMessage. Tests replace the boxes that would wait for an
// answer with a sink, so they see the text without a box blocking them.

#include <QString>
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
/// The files handed to the program (command line, desktop, a drop) that gave no chart window, each
/// with its full name and the reason; one message for them all. Empty when there is none.
QString FilesNotOpenedText(const std::vector<ReadResult>& refused);

/// The help file `shown` (native separators) does not exist.
QString HelpFileMissingText(const QString& shown);
/// The help file `shown` exists but cannot be read, for the system error `error`.
QString HelpFileUnreadableText(const QString& shown, int error);

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

using MessageSink = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

/// Makes ShowMessage hand every message that would wait to `sink`; an empty sink brings the
/// boxes back.
void SetMessageSinkForTesting(MessageSink sink);

}  // namespace vorelim
