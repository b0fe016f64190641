// Which bytes are taken as UTF-8 when a stored path is read back: a list another program
// wrote in the ANSI code page must not be read as UTF-8.
#include "base/stored_path.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(StoredPath, OnlyWellFormedUtf8IsReadAsUtf8) {
  for (const char* utf8 : {"", "C:\\prog.iwb", "caf\xc3\xa9.iwb", "\xe4\xb8\xad.iwb", "\xf0\x9f\x98\x80.inc"})
    EXPECT_TRUE(IsUtf8(utf8)) << utf8;
  for (const char* other : {"caf\xe9.iwb",                // ANSI
                            "\xc3",                        // cut short
                            "\xc0\xaf", "\xe0\x80\xaf",    // overlong
                            "\xed\xa0\x80",                // a surrogate
                            "\xf4\x90\x80\x80", "\xff"})   // beyond U+10FFFF, never a lead
    EXPECT_FALSE(IsUtf8(other)) << other;
}

TEST(StoredPath, AStoredPathReadsBackAsThePathThatWroteIt) {
  const std::filesystem::path path = std::filesystem::path(u8"C:/IWB/caf\u00e9/\u4e2d.iwb");
  EXPECT_EQ(PathFromStoredText(path.string()), path);
}

}  // namespace
}  // namespace editor
