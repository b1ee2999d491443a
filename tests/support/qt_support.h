#pragma once
// Helpers for the window tests: readable Qt strings in failure messages, the deletions a command
// leaves for the event loop, named controls, warnings captured instead of shown, and files and
// PDF printouts read back.

#include <QByteArray>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

QT_BEGIN_NAMESPACE
class QAction;
class QWidget;
QT_END_NAMESPACE

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace vorelim::test {

/// Runs the deletions a command left for the event loop, as the loop does after the command.
void RunDeferredDeletes();

/// The child of `parent` of type T named `name`. Throws when there is none, which fails the test
/// with the name instead of crashing it.
template <typename T>
T* Named(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromUtf8(name));
  if (child == nullptr) {
    throw std::runtime_error("no control named " + std::string(name) + " in " +
                             parent.objectName().toStdString());
  }
  return child;
}

/// A menu item as designed: the action, its object name, caption and shortcut.
struct MenuItem {
  QAction* action;
  const char* name;
  const char* caption;  // UTF-8
  QKeySequence shortcut;
};

/// Expects `actions` to be exactly these items in this order, each with its name, caption and
/// shortcut.
void ExpectMenuItems(const QList<QAction*>& actions, const std::vector<MenuItem>& items);

/// While it lives, the messages of vorelim::ShowMessage that would wait for the user are kept here
/// instead of shown in boxes.
class WarningCapture {
 public:
  struct Warning {
    QWidget* owner;
    QString title;
    QString text;
  };
  WarningCapture();
  ~WarningCapture();
  WarningCapture(const WarningCapture&) = delete;
  WarningCapture& operator=(const WarningCapture&) = delete;

  const std::vector<Warning>& warnings() const { return warnings_; }
  /// The texts of the warnings, in the order they came.
  QStringList texts() const;

 private:
  std::vector<Warning> warnings_;
};

/// Lets the event loop show what it was about to show, then closes every visible message box.
void CloseMessageBoxes();

/// The whole content of a file; empty when it cannot be read.
QByteArray ReadWholeFile(const QString& path);

/// The number of pages of a PDF file's content.
int PdfPageCount(const QByteArray& pdf);

/// The first page's size in whole points, from its media box; empty when there is none.
QSize PdfMediaBox(const QByteArray& pdf);

/// What pdftotext (poppler-utils) reads from the PDF file at `path`, run with `options`; nothing
/// when pdftotext is not installed or fails.
std::optional<QString> PdfText(const QString& path, const QStringList& options = {});

/// The ligature characters U+FB00 to U+FB06 ("ﬀ", "ﬁ", "ﬂ", ...) in `text`: a PDF whose text
/// holds them cannot be searched or copied as typed.
QString LigaturesIn(const QString& text);

}  // namespace vorelim::test
