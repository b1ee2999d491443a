// korvex: the CD launcher. See launcher/launcher.h for what it does. Qt is started only when a
// dialog must show, so a launch whose files all exist never touches the display.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "launcher/dialogs.h"
#include "launcher/launcher.h"
#include "launcher/system.h"

namespace {

class DesktopPlatform : public korvex::SystemPlatform {
 public:
  void ShowNotice() override {
    if (!EnsureApplication()) return;
    korvex::NoticeDialog dialog;
    dialog.exec();
  }

  std::optional<std::string> AskForFolder(const std::string& file_name,
                                          const std::string& folder) override {
    // Without a display the question cannot be asked: that ends the run like Cancel.
    if (!EnsureApplication()) return std::nullopt;
    korvex::FileNotFoundDialog dialog(QString::fromStdString(file_name),
                                      QString::fromStdString(folder));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.folder().toStdString();
  }

 private:
  bool EnsureApplication() {
    if (m_app) return true;
    // Qt ends the process when it cannot reach a display; say why and give up instead.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
      std::fputs("korvex: no display to show the dialog on\n", stderr);
      return false;
    }
    m_app = std::make_unique<QApplication>(m_argc, m_argv);
    return true;
  }

  char m_name[7] = "korvex";
  char* m_argv[2] = {m_name, nullptr};
  int m_argc = 1;
  std::unique_ptr<QApplication> m_app;
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  DesktopPlatform platform;
  return korvex::RunLauncher(arguments, korvex::ExecutablePath(argv[0]), platform);
}
