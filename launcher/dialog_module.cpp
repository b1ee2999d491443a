// The dialog module: one QApplication for the process, created at the first dialog.
#include "launcher/dialog_module.h"

#include <QApplication>
#include <memory>

#include "launcher/dialogs.h"

namespace {

std::unique_ptr<QApplication> g_app;

void EnsureApplication() {
  if (g_app) return;
  static char name[] = "korvex";
  static char* argv[] = {name, nullptr};
  static int argc = 1;
  g_app = std::make_unique<QApplication>(argc, argv);
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void korvex_show_notice() {
  EnsureApplication();
  korvex::NoticeDialog dialog;
  dialog.exec();
}

__attribute__((visibility("default"))) int korvex_ask_folder(const char* file_name,
                                                             const char* folder,
                                                             KorvexTakeText take, void* context) {
  EnsureApplication();
  korvex::FileNotFoundDialog dialog(QString::fromUtf8(file_name), QString::fromUtf8(folder));
  if (dialog.exec() != QDialog::Accepted) return 0;
  const QByteArray text = dialog.folder().toUtf8();
  take(context, text.constData(), static_cast<std::size_t>(text.size()));
  return 1;
}

__attribute__((visibility("default"))) void korvex_close_dialogs() {
  g_app.reset();
}
}
