#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "fault_run.h"

namespace quorvane::testing {

// Runs `convert` in a child process that has given up root for the user and group nobody, so
// that the rights of files and folders are checked as they are for an ordinary user (root may
// read a file of mode 000 and write into a read-only folder). The outcome comes back through a
// pipe. std::nullopt, with `why` filled in, when the child cannot drop its rights here (the
// caller skips) or did not finish (the test has then failed already).
// `folder` is where the test's files are: the child must be able to enter it, or the rights under
// test would not be the ones that fail.
std::optional<RunOutcome> RunUnprivileged(const std::filesystem::path& folder,
                                          const std::function<RunOutcome()>& convert,
                                          std::string& why);

// The user and group that RunUnprivileged runs as.
inline constexpr unsigned kNobody = 65534;

}  // namespace quorvane::testing
