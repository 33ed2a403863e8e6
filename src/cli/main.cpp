#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "engine/local_clock.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return orvane::cli::RunCli(args, std::cout, std::cerr, orvane::LocalToday().year);
}
