// Runs a test as an ordinary user, for whom file permissions hold (the
// superuser reads a file of mode 000 and writes anywhere):
//   const OrdinaryUser user = RunAsOrdinaryUser();
//   if (user.skipped) GTEST_SKIP() << user.why;
//   if (!user.here) return;  // it ran again as "nobody" (through setpriv), its result passed on
#pragma once

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace orvane::testing {

struct OrdinaryUser {
  bool here = false;     // the test goes on in this process
  bool skipped = false;  // it cannot run as an ordinary user: see `why`
  std::string why;
};

inline OrdinaryUser RunAsOrdinaryUser() {
  OrdinaryUser user;
  const auto skip = [&user](const std::string& why) {
    user.skipped = true;
    user.why = "running as root, and " + why;
    return user;
  };
  if (::geteuid() != 0) return OrdinaryUser{true, false, {}};
  const passwd* nobody = ::getpwnam("nobody");
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (nobody == nullptr || ec)
    return skip("there is no user \"nobody\" to run this test as an ordinary user");
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string command = "setpriv --reuid=" + std::to_string(nobody->pw_uid) +
                              " --regid=" + std::to_string(nobody->pw_gid) + " --clear-groups -- '" +
                              self.string() + "' --gtest_color=no --gtest_filter='" +
                              test->test_suite_name() + "." + test->name() + "' 2>&1";
  std::FILE* child = ::popen(command.c_str(), "r");
  if (child == nullptr) return skip("setpriv could not be started to run this test as \"nobody\"");
  std::string output;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), child)) > 0;)
    output.append(buffer.data(), n);
  const int status = ::pclose(child);
  if (output.find("[ RUN      ]") == std::string::npos)
    return skip("this test program cannot be run as \"nobody\" (is its folder open to other users?): " +
                output);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ADD_FAILURE() << "as the user \"nobody\":\n" << output;
  return user;
}

}  // namespace orvane::testing
