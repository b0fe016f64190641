// Fuzzes the companion state file's parser: any bytes must parse without a fault, and
// what the parse gives must survive being written and parsed again unchanged.
//
// ./test.sh runs it briefly (tools/fuzz-smoke); for a long run, from the build it made:
//   mkdir -p /tmp/corpus && build/asan/file_state_fuzz /tmp/corpus fuzz/corpus/file_state \
//       -max_total_time=3600 -max_len=200000
// A crash or a broken round trip stops the run and leaves the input as crash-<hash> in
// the working folder; replay it with build/asan/file_state_fuzz crash-<hash>, and add it
// to tests/model/file_state_test.cpp once it is fixed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/file_state.h"

namespace {

[[noreturn]] void Mismatch(const char* field) {
  std::fprintf(stderr, "round trip changed %s\n", field);
  std::abort();
}

// Field by field, so that a failure names what changed.
void ExpectSame(const editor::FileState& a, const editor::FileState& b) {
  if (a.subroutines != b.subroutines) Mismatch("subroutines");
  if (a.windows != b.windows) Mismatch("windows");
  if (a.controls != b.controls) Mismatch("controls");
  if (a.bookmarks != b.bookmarks) Mismatch("bookmarks");
  if (a.includes != b.includes) Mismatch("includes");
  if (a.lineCount != b.lineCount) Mismatch("lineCount");
  if (a.lineFields != b.lineFields) Mismatch("lineFields");
  if (a.selections != b.selections) Mismatch("selections");
  if (a.caretLine != b.caretLine) Mismatch("caretLine");
  if (a.places != b.places) Mismatch("places");
  if (!(a == b)) Mismatch("a field the list above misses");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  editor::ParseReport report;
  const editor::FileState parsed = editor::ParseFileState(bytes, &report);
  const std::string written = editor::FormatFileState(parsed);
  editor::ParseReport again;
  const editor::FileState reparsed = editor::ParseFileState(written, &again);
  ExpectSame(parsed, reparsed);
  // What the writer makes is always a healthy file, and writing it again changes nothing.
  if (again.ignoredLines != 0) Mismatch("ignored lines in written text");
  if (editor::FormatFileState(reparsed) != written) Mismatch("written text");
  return 0;
}
