#pragma once
// quelmo-cli test-email (FILE | --settings JSON): checks the e-mail settings
// of a gprs.dat (or of JSON settings as write takes them) against their mail
// server, step by step, as the camera would use them; a dry run unless --send.

#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_environment.h"

namespace quelmo {

struct TestEmailOptions {
  std::optional<std::string> path;          // a gprs.dat, UTF-8
  std::optional<std::string> settingsPath;  // JSON settings, UTF-8
  bool send = false;
  bool allowPlain = false;
  bool implicitTls = false;  // TLS from the start whatever the port; else by the port
  bool json = false;
  std::string caFile;
  int timeoutSeconds = 30;
  int language = 2;  // of the verdicts and the test message: 1 Chinese, others English
};

// 0 the check passed (ready to send, or sent); 5 a step failed; 2 bad usage,
// an unreadable file or incomplete settings; 6 no e-mail test in this build.
int RunTestEmail(const TestEmailOptions& options, const CliEnvironment& environment,
                 std::ostream& out, std::ostream& err);

}  // namespace quelmo
