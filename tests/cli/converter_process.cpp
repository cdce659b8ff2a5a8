#include "cli/converter_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "support/temp_folder.h"

extern char** environ;

namespace quorvane::testing {

namespace {

// posix_spawn wants a NULL-terminated array of mutable strings.
class ArgumentVector {
 public:
  explicit ArgumentVector(const std::vector<std::string>& arguments) : strings_(arguments) {
    for (std::string& s : strings_) pointers_.push_back(s.data());
    pointers_.push_back(nullptr);
  }
  char* const* Data() { return pointers_.data(); }

 private:
  std::vector<std::string> strings_;
  std::vector<char*> pointers_;
};

class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t* Get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

int WaitForExit(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadAll(const std::filesystem::path& path) {
  const std::vector<unsigned char> bytes = ReadAllBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// Everything the child writes to the terminal, until it has closed its side.
std::string DrainTerminal(int master) {
  std::string text;
  char buffer[4096];
  for (;;) {
    pollfd descriptor{master, POLLIN, 0};
    if (poll(&descriptor, 1, 10'000) <= 0) break;
    const ssize_t count = read(master, buffer, sizeof buffer);
    if (count <= 0) break;  // EIO once every slave descriptor is closed
    text.append(buffer, static_cast<std::size_t>(count));
  }
  return text;
}

}  // namespace

ProcessResult RunConverter(const std::vector<std::string>& arguments,
                           const std::filesystem::path& working_folder, ErrorStream error_stream) {
  TempFolder capture;
  const std::string out_path = (capture / "stdout").string();
  const std::string err_path = (capture / "stderr").string();

  std::vector<std::string> command{QUORVANE_CONVERT_PATH};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ArgumentVector argv(command);

  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(actions.Get(), STDOUT_FILENO, out_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  int master = -1;
  int slave = -1;
  if (error_stream == ErrorStream::Terminal) {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
      throw std::runtime_error("no pseudo-terminal");
    }
    slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    winsize size{};
    size.ws_row = 24;
    size.ws_col = 80;
    ioctl(slave, TIOCSWINSZ, &size);
    posix_spawn_file_actions_adddup2(actions.Get(), slave, STDERR_FILENO);
    posix_spawn_file_actions_addclose(actions.Get(), slave);
    posix_spawn_file_actions_addclose(actions.Get(), master);
  } else {
    posix_spawn_file_actions_addopen(actions.Get(), STDERR_FILENO, err_path.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
  }
  const std::string folder = working_folder.string();
  posix_spawn_file_actions_addchdir_np(actions.Get(), folder.c_str());

  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, command[0].c_str(), actions.Get(), nullptr, argv.Data(), environ);
  ProcessResult result;
  if (slave >= 0) close(slave);
  if (spawned != 0) {
    if (master >= 0) close(master);
    throw std::runtime_error("cannot start " + command[0]);
  }
  if (master >= 0) {
    result.err = DrainTerminal(master);
    close(master);
  }
  result.exit_status = WaitForExit(pid);
  result.out = ReadAll(out_path);
  if (error_stream == ErrorStream::File) result.err = ReadAll(err_path);
  return result;
}

int RunProgram(const std::vector<std::string>& arguments) {
  ArgumentVector argv(arguments);
  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.Get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, arguments[0].c_str(), actions.Get(), nullptr, argv.Data(), environ) != 0) {
    return -1;
  }
  return WaitForExit(pid);
}

}  // namespace quorvane::testing
