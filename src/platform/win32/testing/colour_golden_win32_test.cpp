// The golden samples coloured by the real RichEdit: the same colour maps as on the
// headless control, so the paints and the way they reach the control agree.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "golden/colour_golden.h"
#include "platform/win32/system.h"

namespace {

TEST(RealColourGolden, EverySampleMatchesItsMap) {
  win32::System system;
  editor::Editor editor{system};
  ASSERT_TRUE(editor::StartEditor(editor));
  const std::vector<golden::Sample> samples = golden::LoadSamples();
  ASSERT_GE(samples.size(), 12u);
  for (const golden::Sample& sample : samples)
    EXPECT_EQ(golden::ColourSample(editor, sample), sample.expected) << sample.name;
  editor.main->Close();
}

}  // namespace
