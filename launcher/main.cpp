// korvex: the CD launcher. See launcher/launcher.h for what it does. The dialogs are linked in;
// the GUI is created only when one must show (launcher/dialog_application.h).
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "launcher/dialog_application.h"
#include "launcher/dialogs.h"
#include "launcher/launcher.h"
#include "launcher/system.h"

namespace {

class DesktopPlatform : public korvex::SystemPlatform {
 public:
  void ShowNotice() override {
    if (!m_gui.Ready()) return;
    korvex::NoticeDialog dialog;
    dialog.exec();
  }

  std::optional<std::string> AskForFolder(const std::string& file_name,
                                          const std::string& folder) override {
    // When the question cannot be asked, the run ends as if the user had cancelled.
    if (!m_gui.Ready()) return std::nullopt;
    korvex::FileNotFoundDialog dialog(QString::fromStdString(file_name),
                                      QString::fromStdString(folder));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.folder().toStdString();
  }

 private:
  korvex::DialogApplication m_gui;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  DesktopPlatform platform;
  return korvex::RunLauncher(arguments, korvex::ExecutablePath(argv[0]), platform);
}
