#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_main.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
  std::vector<std::string> args = quelmo::Utf8Arguments(argc, argv);
  return quelmo::RunCli(std::move(args), std::cout, std::cerr);
}
