#pragma once
// Warnings to the user: a modal message box over the window they concern, or, while a test has
// set a sink, the sink, so a test sees the text without a box blocking it.

#include <QString>
#include <functional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

using MessageSink = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

/// Why a file operation failed, in Portuguese, from the errno it failed with: the common errors in
/// our own words, any other in the system's own text; empty for 0. Every file message tells its
/// reason with this.
QString SystemErrorText(int error);

/// Shows `text` under `title` in a warning box over `owner`, or hands it to the test's sink.
void ShowWarning(QWidget* owner, const QString& title, const QString& text);

/// Makes ShowWarning hand every message to `sink`; an empty sink brings the message box back.
void SetWarningSinkForTesting(MessageSink sink);

}  // namespace vorelim
