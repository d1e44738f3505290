#include <gtest/gtest.h>

#include <QMdiArea>

#include "app/qt/FrameWindow.h"

namespace lumbrix {
namespace {

TEST(FrameWindow, IsCaptionedLumbrixAndHoldsDocumentArea) {
  FrameWindow frame;
  frame.show();
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Lumbrix"));
  ASSERT_NE(frame.mdiArea(), nullptr);
  EXPECT_EQ(frame.centralWidget(), frame.mdiArea());
}

}  // namespace
}  // namespace lumbrix
