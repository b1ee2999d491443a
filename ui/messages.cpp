#include "ui/messages.h"

#include <QMessageBox>
#include <utility>

namespace vorelim {
namespace {

MessageSink& TestSink() {
  static MessageSink sink;
  return sink;
}

}  // namespace

void ShowWarning(QWidget* owner, const QString& title, const QString& text) {
  if (TestSink()) {
    TestSink()(owner, title, text);
  } else {
    QMessageBox::warning(owner, title, text);
  }
}

void SetWarningSinkForTesting(MessageSink sink) {
  TestSink() = std::move(sink);
}

}  // namespace vorelim
