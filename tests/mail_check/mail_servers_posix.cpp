// The test mail servers started by the test program itself: a child
// process whose standard input is the program's pipe.
#include "mail_check/mail_servers.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace quelmo::testing {

std::filesystem::path MailServers::folder() const { return folder_.path(); }

void MailServers::SetUp() {
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  const std::string folder = folder_.path().string();
  pid_ = fork();
  ASSERT_GE(pid_, 0);
  if (pid_ == 0) {
    dup2(pipe_ends[0], STDIN_FILENO);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    execl(QUELMO_SYSTEM_PYTHON, QUELMO_SYSTEM_PYTHON, QUELMO_MAIL_SERVERS_SCRIPT, folder.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipe_ends[0]);
  input_ = pipe_ends[1];
  fcntl(input_, F_SETFD, FD_CLOEXEC);

  // Certificates and start-up take a second or two; a server that fails
  // ends its process, which ends the wait.
  const auto ports_file = folder_.path() / "ports.json";
  while (!std::filesystem::exists(ports_file)) {
    int status = 0;
    ASSERT_EQ(waitpid(pid_, &status, WNOHANG), 0)
        << "the test mail servers did not start (is python3-aiosmtpd installed?)";
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ReadPorts();
}

void MailServers::TearDown() {
  if (input_ >= 0) close(input_);
  if (pid_ > 0) {
    int status = 0;
    // The servers end when their input closes; a hung one is ended for good.
    for (int tries = 0; tries < 100 && waitpid(pid_, &status, WNOHANG) == 0; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (waitpid(pid_, &status, WNOHANG) == 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
    }
  }
  running_ = nullptr;
}

}  // namespace quelmo::testing
