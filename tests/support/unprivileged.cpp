#include "support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

namespace vorelim::test {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

}  // namespace

void RunAsUnprivilegedUser(const std::function<void()>& body) {
  if (geteuid() != 0) {
    body();
    return;
  }
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0) << "fork: " << std::strerror(errno);
  if (child == 0) {
    // Groups first: once the user id is dropped they can no longer be changed.
    if (setgroups(0, nullptr) != 0 || setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 ||
        setresuid(kNobody, kNobody, kNobody) != 0) {
      std::fprintf(stderr, "cannot become an unprivileged user: %s\n", std::strerror(errno));
      std::_Exit(2);
    }
    body();
    std::fflush(nullptr);
    std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child) << std::strerror(errno);
  ASSERT_TRUE(WIFEXITED(status)) << "the unprivileged run ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the unprivileged run failed (its output is above)";
}

}  // namespace vorelim::test
