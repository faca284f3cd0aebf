#pragma once
// Exit statuses of quelmo-cli. Scripts rely on these numbers.

namespace quelmo {

enum ExitCode : int {
  kExitOk = 0,
  kExitCheckFailed = 1,  // write: a save-time check failed; check: a file is not intact
  kExitBadInput = 2,     // bad usage, settings or input file
  kExitWriteFailed = 3,  // the file could not be written
  kExitOutputFailed = 4, // standard output could not be written (full disk, closed)
  kExitMailCheckFailed = 5,  // test-email: a step of the check failed
  kExitUnavailable = 6,      // test-email: this build or system has no e-mail test (no libcurl)
  kExitMailPasswordNotChecked = 7,  // test-email: no step failed, but the server asked for
                                    // no password, so the camera's was not checked
};

}  // namespace quelmo
