// Sets an environment variable (or removes it, for nullptr) for as long as
// it lives; the old value comes back after.  For the tests that point the
// per-user data folder (XDG_DATA_HOME, HOME) at a folder of their own.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace orvane::testing {

class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnvironment() { old_ ? ::setenv(name_.c_str(), old_->c_str(), 1) : ::unsetenv(name_.c_str()); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace orvane::testing
