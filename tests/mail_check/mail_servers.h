#pragma once
// The test mail servers of mail_servers.py, run for one test program: started
// once, ended when the program ends (their standard input closes with it, so
// they cannot outlive a crash either).

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quelmo::testing {

inline constexpr const char* kServerUser = "camera";
inline constexpr const char* kServerPassword = "Pw-7q!xZ";

struct ReceivedMail {
  std::string mailFrom;
  std::vector<std::string> recipients;
  std::string data;
};

class MailServers : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;

  // The name the servers are reached by (each listens on 127.0.0.1).
  static std::string Host();
  // The port of a server by its name in mail_servers.py.
  static int Port(const std::string& name);
  static std::filesystem::path TrustedCa();
  static std::vector<ReceivedMail> Received();

 private:
  std::filesystem::path folder() const;
  void ReadPorts();  // from folder()/ports.json; then the servers run

  static MailServers* running_;
  std::filesystem::path outside_;  // the folder, when started outside
  TempFolder folder_;
  std::map<std::string, int> ports_;
  int pid_ = -1;
  int input_ = -1;  // the servers' standard input
};

}  // namespace quelmo::testing
