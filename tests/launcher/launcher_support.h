#pragma once
// Helpers for the tests that start real programs: waiting for the recorder's output.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace korvex::test {

/// The lines the recorder wrote to `record`, once the file appears within `timeout`.
inline std::optional<std::vector<std::string>> WaitForRecord(const std::filesystem::path& record,
                                                             std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!std::filesystem::exists(record)) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::ifstream in(record);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace korvex::test
