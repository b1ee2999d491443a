#pragma once
// Runs a test body as an ordinary user, so that permission bits hold for it also when the tests
// run as root (as in CI), who ignores them.

#include <functional>

namespace vorelim::test {

/// Runs `body` here as an ordinary user; as root, in a child process that first becomes the
/// unprivileged user "nobody" (uid and gid 65534, no supplementary groups). The child's failures
/// are printed by the child and reported here as one failure. `body` must make its own files and
/// folders: root's temporary folders are closed to that user.
void RunAsUnprivilegedUser(const std::function<void()>& body);

}  // namespace vorelim::test
