#pragma once
// The environment of this test process as a map, for building the environment of a program the
// test starts.

#include <map>
#include <string>
#include <vector>

namespace vorelim::test {

using Environment = std::map<std::string, std::string>;

/// Every variable of this process's environment, name to value.
Environment ThisEnvironment();

/// The argument and environment arrays that posix_spawn and exec take, for `arguments` and `env`;
/// they point into this object, which must outlive the call.
class SpawnArrays {
 public:
  SpawnArrays(const std::vector<std::string>& arguments, const Environment& env);
  char* const* argv() const { return argv_.data(); }
  char* const* envp() const { return envp_.data(); }

 private:
  std::vector<std::string> arguments_;
  std::vector<std::string> entries_;
  std::vector<char*> argv_;
  std::vector<char*> envp_;
};

}  // namespace vorelim::test
