// Streaming text into the real control: chunk boundaries must not change the text.
#include <gtest/gtest.h>

#include "platform/contract_fixture.h"
#include "platform/win32/rich_edit_stream.h"

namespace {

TEST(StreamChunkLength, StopsShortOfACrThatMoreTextFollows) {
  EXPECT_EQ(win32::StreamChunkLength("abc\r\ndef", 0, 4), 3u);
  EXPECT_EQ(win32::StreamChunkLength("abc\r\ndef", 3, 4), 4u);
  EXPECT_EQ(win32::StreamChunkLength("abc\r", 0, 4), 4u);  // the text's own last byte
  EXPECT_EQ(win32::StreamChunkLength("ab", 2, 4), 0u);
}

TEST(StreamChunkLength, MakesProgressEvenOnACrRun) {
  EXPECT_EQ(win32::StreamChunkLength("\r\r\r\r", 0, 1), 1u);
  EXPECT_EQ(win32::StreamChunkLength("\r\r\r\r", 0, 3), 2u);
}

using RichEditStreaming = contract::ContractTest;

// The control reads 4096 bytes at a time; put a CR on the last byte of the first chunks.
TEST_F(RichEditStreaming, BreaksAcrossChunkBoundariesStayOneBreak) {
  ui::RichEdit& edit = MakeRichEdit();
  const std::string text = std::string(4095, 'a') + "\r\n" + std::string(4094, 'b') + "\r\n" +
                           std::string(4093, 'c') + "\r\n\r\nend";
  edit.SetText(text);
  EXPECT_EQ(edit.LineCount(), 5);
  EXPECT_EQ(edit.LineLength(edit.LineIndex(1)), 4094);
  EXPECT_EQ(edit.Text(), text);
}

TEST_F(RichEditStreaming, NotifiesOneChangeWhenChangesAreWatched) {
  ui::RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
  events_.clear();
  edit.SetText(std::string(10000, 'x') + "\r\ny");
  EXPECT_EQ(NotifyCodesOf(kEdit), std::vector<int>{ui::notify::kTextChanged});
}

}  // namespace
