#include "unprivileged_run.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace quorvane::testing {

namespace {

constexpr int kCannotDrop = 3;
constexpr int kCannotReach = 4;

void PutNumber(std::string& out, std::uint32_t value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void PutText(std::string& out, std::string_view text) {
  PutNumber(out, static_cast<std::uint32_t>(text.size()));
  out.append(text);
}

// Reads back what PutNumber and PutText wrote; false once the input runs out.
class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  bool Number(std::uint32_t& value) {
    if (in_.size() < sizeof value) return false;
    std::memcpy(&value, in_.data(), sizeof value);
    in_.remove_prefix(sizeof value);
    return true;
  }
  bool Text(std::string& text) {
    std::uint32_t size = 0;
    if (!Number(size) || in_.size() < size) return false;
    text.assign(in_.substr(0, size));
    in_.remove_prefix(size);
    return true;
  }

 private:
  std::string_view in_;
};

std::string Encode(const RunOutcome& outcome) {
  std::string out;
  PutNumber(out, static_cast<std::uint32_t>(outcome.status));
  PutNumber(out, static_cast<std::uint32_t>(outcome.messages.size()));
  for (const ShownMessage& message : outcome.messages) {
    PutText(out, message.text);
    PutNumber(out, message.caption ? 1 : 0);
    PutText(out, message.caption.value_or(""));
    PutNumber(out, static_cast<std::uint32_t>(message.icon));
  }
  return out;
}

std::optional<RunOutcome> Decode(std::string_view in) {
  Reader reader(in);
  RunOutcome outcome;
  std::uint32_t status = 0;
  std::uint32_t count = 0;
  if (!reader.Number(status) || !reader.Number(count)) return std::nullopt;
  outcome.status = static_cast<ConversionStatus>(status);
  for (std::uint32_t k = 0; k < count; ++k) {
    ShownMessage message;
    std::uint32_t has_caption = 0;
    std::uint32_t icon = 0;
    std::string caption;
    if (!reader.Text(message.text) || !reader.Number(has_caption) || !reader.Text(caption) ||
        !reader.Number(icon)) {
      return std::nullopt;
    }
    if (has_caption != 0) message.caption = caption;
    message.icon = static_cast<MessageIcon>(icon);
    outcome.messages.push_back(std::move(message));
  }
  return outcome;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

}  // namespace

std::optional<RunOutcome> RunUnprivileged(const std::filesystem::path& folder,
                                          const std::function<RunOutcome()>& convert,
                                          std::string& why) {
  int ends[2];
  if (::pipe(ends) != 0) {
    why = "no pipe";
    return std::nullopt;
  }
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(ends[0]);
    ::close(ends[1]);
    why = "cannot fork";
    return std::nullopt;
  }
  if (child == 0) {
    ::close(ends[0]);
    // The group first: without root the process could no longer change it.
    if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
        ::setresuid(kNobody, kNobody, kNobody) != 0) {
      ::_exit(kCannotDrop);
    }
    if (::access(folder.c_str(), R_OK | X_OK) != 0) ::_exit(kCannotReach);
    const bool sent = WriteAll(ends[1], Encode(convert()));
    ::close(ends[1]);
    // No exit handlers: they belong to the parent's test run.
    ::_exit(sent ? 0 : 1);
  }
  ::close(ends[1]);
  std::string received;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    received.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(ends[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotDrop) {
    why = "the process may not give up root here (setresuid refused)";
    return std::nullopt;
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotReach) {
    why = "user nobody cannot enter " + folder.string() + " (is TMPDIR private?)";
    return std::nullopt;
  }
  std::optional<RunOutcome> outcome;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) outcome = Decode(received);
  if (!outcome) {
    why = "the unprivileged conversion did not finish";
    ADD_FAILURE() << why << " (wait status " << status << ")";
  }
  return outcome;
}

}  // namespace quorvane::testing
