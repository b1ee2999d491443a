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

/// Shows `text` under `title` in a warning box over `owner`, or hands it to the test's sink.
void ShowWarning(QWidget* owner, const QString& title, const QString& text);

/// Makes ShowWarning hand every message to `sink`; an empty sink brings the message box back.
void SetWarningSinkForTesting(MessageSink sink);

}  // namespace vorelim
