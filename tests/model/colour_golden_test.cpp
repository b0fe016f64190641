// Every golden sample coloured on the headless control matches its colour map. Set
// EDITOR_UPDATE_GOLDEN=1 to rewrite the maps after a deliberate change, then read them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "golden/colour_golden.h"
#include "scenarios/editor_fixture.h"

namespace editor {
namespace {

class ColourGolden : public EditorTest {};

TEST_F(ColourGolden, EverySampleMatchesItsMap) {
  Start();
  const std::vector<golden::Sample> samples = golden::LoadSamples();
  ASSERT_GE(samples.size(), 12u);
  const bool update = std::getenv("EDITOR_UPDATE_GOLDEN") != nullptr;
  for (const golden::Sample& sample : samples) {
    const std::string produced = golden::ColourSample(editor_, sample);
    if (update) {
      std::ofstream(golden::SampleFolder() / (sample.name + ".colours"), std::ios::binary) << produced;
      continue;
    }
    EXPECT_EQ(produced, sample.expected) << sample.name;
  }
}

}  // namespace
}  // namespace editor
