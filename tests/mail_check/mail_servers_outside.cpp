// The test mail servers of a Windows test program under Wine: started on the
// Linux side by run_with_mail_servers.py, which names their folder in
// QUELMO_MAIL_SERVERS_FOLDER (a Windows path) and ends them afterwards.
#include "mail_check/mail_servers.h"

#include <cstdlib>

namespace quelmo::testing {

std::filesystem::path MailServers::folder() const { return outside_; }

void MailServers::SetUp() {
  const char* folder = std::getenv("QUELMO_MAIL_SERVERS_FOLDER");
  ASSERT_NE(folder, nullptr) << "run this under tests/mail_check/run_with_mail_servers.py";
  outside_ = folder;
  ASSERT_TRUE(std::filesystem::exists(outside_ / "ports.json")) << folder;
  ReadPorts();
}

void MailServers::TearDown() { running_ = nullptr; }

}  // namespace quelmo::testing
