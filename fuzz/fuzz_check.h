// What every fuzz target does on a broken property: say which, and stop the run, so that
// libFuzzer keeps the input as crash-<hash>.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Broken(const char* property) {
  std::fprintf(stderr, "broken property: %s\n", property);
  std::abort();
}

inline void Check(bool holds, const char* property) {
  if (!holds) Broken(property);
}

inline std::string_view Bytes(const unsigned char* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
