#include "support/temp_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace vorelim::test {

TempFolder::TempFolder(bool enter) : entered_(enter) {
  std::string pattern = (std::filesystem::temp_directory_path() / "vorelim-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  if (entered_) {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (entered_) std::filesystem::current_path(previous_, ec);
  // Give back write permission that a test may have taken away, so the folder can be removed.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

bool PermissionsAreEnforced() { return geteuid() != 0; }

}  // namespace vorelim::test
