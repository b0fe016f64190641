#include "model/line_metrics.h"

#include <gtest/gtest.h>

#include "platform/headless/system.h"

namespace editor {
namespace {

TEST(LineMetrics, GutterFollowsTheLineHeight) {
  const LineMetrics m = MetricsFor(16, 8);
  EXPECT_EQ(m.gutterLines, 485 / 16 - 1);
  EXPECT_EQ(m.gutterHeight, 16 + 16 * m.gutterLines + 5);
  EXPECT_EQ(MetricsFor(19, 9).gutterLines, 24);
}

TEST(LineMetrics, ANonsenseMeasurementFallsBackInsteadOfDividingByZero) {
  EXPECT_GT(MetricsFor(0, 0).gutterLines, 0);
  EXPECT_GT(MetricsFor(-5, 3).lineHeight, 0);
  EXPECT_LT(MetricsFor(100000, 3).gutterLines, 100);
}

TEST(LineMetrics, MeasuredLineHeightGivesTheGutter) {
  headless::System system(std::filesystem::temp_directory_path());
  const LineMetrics m = MeasureLineSpacing(system, {"Courier New", 12});
  EXPECT_GT(m.lineHeight, 0);
  EXPECT_GT(m.charWidth, 0);
  EXPECT_EQ(m.gutterLines, 485 / m.lineHeight - 1);
}

}  // namespace
}  // namespace editor
