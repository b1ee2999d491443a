#pragma once
// A fresh temporary folder for one test, made the current folder while the object lives.

#include <filesystem>

namespace vorelim::test {

class TempFolder {
 public:
  /// Creates the folder; with `enter` it also becomes the current folder until destruction.
  explicit TempFolder(bool enter = true);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
  bool entered_;
};

/// True when permission bits are enforced for this process (false as root, which ignores them).
bool PermissionsAreEnforced();

}  // namespace vorelim::test
