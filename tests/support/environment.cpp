#include "support/environment.h"

#include <unistd.h>

namespace vorelim::test {

Environment ThisEnvironment() {
  Environment env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const auto eq = entry.find('=');
    if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
  }
  return env;
}

SpawnArrays::SpawnArrays(const std::vector<std::string>& arguments, const Environment& env)
    : arguments_(arguments) {
  for (const auto& [name, value] : env) entries_.push_back(name + "=" + value);
  for (std::string& a : arguments_) argv_.push_back(a.data());
  for (std::string& e : entries_) envp_.push_back(e.data());
  argv_.push_back(nullptr);
  envp_.push_back(nullptr);
}

}  // namespace vorelim::test
