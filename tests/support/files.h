#pragma once
// Files for tests: whole contents written and read back as bytes, and folder listings that show
// what a write left behind.

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace vorelim::test {

/// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);

/// Creates or replaces a file with exactly these bytes; a failure fails the test.
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

/// The names of the entries of a folder.
std::set<std::string> FilesIn(const std::filesystem::path& folder);

}  // namespace vorelim::test
