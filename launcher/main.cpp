// korvex: the CD launcher. See launcher/launcher.h for what it does. The dialogs are loaded from
// their module (launcher/dialog_module.h) only when one must show.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "launcher/dialog_module.h"
#include "launcher/launcher.h"
#include "launcher/system.h"

namespace {

class DesktopPlatform : public korvex::SystemPlatform {
 public:
  explicit DesktopPlatform(std::string executable_path)
      : m_executable_path(std::move(executable_path)) {}
  ~DesktopPlatform() override {
    if (m_close) m_close();
  }
  DesktopPlatform(const DesktopPlatform&) = delete;
  DesktopPlatform& operator=(const DesktopPlatform&) = delete;

  void ShowNotice() override {
    if (LoadDialogs()) m_show_notice();
  }

  std::optional<std::string> AskForFolder(const std::string& file_name,
                                          const std::string& folder) override {
    // When the question cannot be asked, the run ends as if the user had cancelled.
    if (!LoadDialogs()) return std::nullopt;
    std::string answer;
    auto take = [](void* context, const char* text, std::size_t size) {
      static_cast<std::string*>(context)->assign(text, size);
    };
    if (m_ask_folder(file_name.c_str(), folder.c_str(), take, &answer) == 0) return std::nullopt;
    return answer;
  }

 private:
  bool LoadDialogs() {
    if (m_loaded) return true;
    // Qt ends the process when it cannot reach a display; say why and give up instead.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
      std::fputs("korvex: no display to show the dialog on\n", stderr);
      return false;
    }
    // Beside the executable (build tree, a copied launcher), then where it is installed.
    const std::string folder = m_executable_path.substr(0, m_executable_path.rfind('/') + 1);
    void* module = nullptr;
    for (const std::string& candidate :
         {folder + korvex::kDialogModuleName,
          folder + KORVEX_MODULE_FROM_BIN + "/" + korvex::kDialogModuleName}) {
      module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (module != nullptr) break;
    }
    if (module != nullptr) {
      m_show_notice =
          reinterpret_cast<decltype(m_show_notice)>(dlsym(module, korvex::kShowNoticeSymbol));
      m_ask_folder =
          reinterpret_cast<decltype(m_ask_folder)>(dlsym(module, korvex::kAskFolderSymbol));
      m_close = reinterpret_cast<decltype(m_close)>(dlsym(module, korvex::kCloseDialogsSymbol));
    }
    m_loaded = m_show_notice && m_ask_folder && m_close;
    if (!m_loaded) {
      std::fprintf(stderr, "korvex: cannot load the dialogs (%s): %s\n", korvex::kDialogModuleName,
                   module == nullptr ? dlerror() : "functions missing");
      m_close = nullptr;
    }
    return m_loaded;
  }

  std::string m_executable_path;
  bool m_loaded = false;
  decltype(&korvex_show_notice) m_show_notice = nullptr;
  decltype(&korvex_ask_folder) m_ask_folder = nullptr;
  decltype(&korvex_close_dialogs) m_close = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::string executable = korvex::ExecutablePath(argv[0]);
  DesktopPlatform platform(executable);
  return korvex::RunLauncher(arguments, executable, platform);
}
