// Which monitors the Fader covers, and how a time in the user's format is laid out on one.
#include <gtest/gtest.h>

#include "ui/fader/ClockLayout.h"
#include "ui/fader/MonitorLayout.h"

namespace {

// The second monitor, listed first, stands left of the primary one and lower.
const MonitorArea kLeft{{-1024, 200, 0, 968}, {-1024, 200, 0, 968}, false, false};
const MonitorArea kPrimary{{0, 0, 1280, 800}, {0, 0, 1280, 760}, true, false};
const std::vector<MonitorArea> kDesk{kLeft, kPrimary};

std::vector<Rect> Works(const std::vector<MonitorArea>& monitors) {
  std::vector<Rect> works;
  for (const MonitorArea& m : monitors) works.push_back(m.work);
  return works;
}

}  // namespace

TEST(EveryMonitor, EachChoiceCoversItsMonitorsThePrimaryFirst) {
  const Point onLeft{-10, 500};
  EXPECT_EQ(std::vector<Rect>{kPrimary.work}, Works(MonitorsToCover(FaderMonitors::Primary, kDesk, onLeft, true)));
  EXPECT_EQ((std::vector<Rect>{kPrimary.work, kLeft.work}),
            Works(MonitorsToCover(FaderMonitors::All, kDesk, onLeft, true)));
  EXPECT_EQ(std::vector<Rect>{kLeft.work}, Works(MonitorsToCover(FaderMonitors::Pointer, kDesk, onLeft, true)));
  EXPECT_EQ(std::vector<Rect>{kPrimary.work},
            Works(MonitorsToCover(FaderMonitors::Pointer, kDesk, Point{0, 0}, true)));  // the edge belongs to the right
  EXPECT_TRUE(MonitorsToCover(FaderMonitors::All, {}, onLeft, true).empty());
  // A value no choice has reads as the default, the primary monitor.
  EXPECT_EQ(std::vector<Rect>{kPrimary.work}, Works(MonitorsToCover(FaderMonitors(4), kDesk, onLeft, false)));
}

TEST(EveryMonitor, APointerOffEveryMonitorChoosesTheNearest) {
  // Above the second monitor's top edge, in the gap beside the primary one's bottom.
  EXPECT_EQ(std::vector<Rect>{kLeft.work}, Works(MonitorsToCover(FaderMonitors::Pointer, kDesk, Point{-300, 100}, true)));
  EXPECT_EQ(std::vector<Rect>{kPrimary.work}, Works(MonitorsToCover(FaderMonitors::Pointer, kDesk, Point{100, 900}, true)));
  EXPECT_EQ(std::vector<Rect>{kLeft.work}, Works(MonitorsToCover(FaderMonitors::Pointer, kDesk, Point{-5000, 0}, true)));
}

TEST(EveryMonitor, ACoveredMonitorIsLeftOutOnlyWhenAskedAndOnlyWithEveryMonitor) {
  MonitorArea video = kLeft;
  video.covered = true;
  MonitorArea presentation = kPrimary;
  presentation.covered = true;
  EXPECT_EQ(std::vector<Rect>{kPrimary.work}, Works(MonitorsToCover(FaderMonitors::All, {video, kPrimary}, {}, true)));
  EXPECT_EQ((std::vector<Rect>{kPrimary.work, kLeft.work}),
            Works(MonitorsToCover(FaderMonitors::All, {video, kPrimary}, {}, false)));
  // The main window then goes to the other monitor; with both covered nothing shows.
  EXPECT_EQ(std::vector<Rect>{kLeft.work}, Works(MonitorsToCover(FaderMonitors::All, {kLeft, presentation}, {}, true)));
  EXPECT_TRUE(MonitorsToCover(FaderMonitors::All, {video, presentation}, {}, true).empty());
  EXPECT_EQ(std::vector<Rect>{kPrimary.work}, Works(MonitorsToCover(FaderMonitors::Primary, {video, presentation}, {}, true)));
}

// Texts of real locales' short time pictures, with each locale's own AM and PM designators.
TEST(ClockLayout, OnlyTheLocalesOwnDesignatorIsSplitFromTheDigitsOnEitherSide) {
  const auto split = [](const wchar_t* text, const wchar_t* am, const wchar_t* pm) {
    const ClockParts parts = SplitClockText(text, {am, pm});
    return parts.digits + L"|" + parts.designator + (parts.designatorFirst ? L"|first" : L"");
  };
  EXPECT_EQ(L"2:30|PM", split(L"2:30 PM", L"AM", L"PM"));                                  // en-US "h:mm tt"
  EXPECT_EQ(L"2:30|\uC624\uD6C4|first", split(L"\uC624\uD6C4 2:30", L"\uC624\uC804", L"\uC624\uD6C4"));  // ko-KR "tt h:mm"
  EXPECT_EQ(L"2:30|\u4E0B\u5348|first", split(L"\u4E0B\u53482:30", L"\u4E0A\u5348", L"\u4E0B\u5348"));    // zh-CN "tth:mm"
  EXPECT_EQ(L"2:30|p.m.", split(L"2:30\u202Fp.m.", L"a.m.", L"p.m."));  // a narrow no-break space between
  EXPECT_EQ(L"14:30|", split(L"14:30", L"AM", L"PM"));
  EXPECT_EQ(L"14 h 30|", split(L"14 h 30", L"", L""));  // letters between digits stay with them
  // Unsure: drawn whole as Windows gives it. Literal text of the picture (ja-JP "H\u6642mm\u5206"),
  // text on both sides, and a right-to-left text, whose order on screen only Windows' layout of
  // the whole string knows (ar-SA "hh:mm tt").
  EXPECT_EQ(L"14\u664230\u5206|", split(L"14\u664230\u5206", L"\u5348\u524D", L"\u5348\u5F8C"));
  EXPECT_EQ(L"PM 2:30 PM|", split(L" PM 2:30 PM", L"AM", L"PM"));
  EXPECT_EQ(L"02:30 \u0645|", split(L"02:30 \u0645", L"\u0635", L"\u0645"));
  EXPECT_EQ(L"|", split(L"", L"AM", L"PM"));
}

TEST(ClockLayout, TooWideOrTooTallATextShrinksInProportionToFit) {
  const Rect work{0, 0, 1280, 760};
  EXPECT_EQ(250, FittedHeight(250, 900, 250, work));
  EXPECT_EQ(450, FittedHeight(900, 2560, 900, work));   // width halved
  EXPECT_EQ(760, FittedHeight(900, 1000, 900, work));   // height
  EXPECT_EQ(1, FittedHeight(900, 100000000, 900, work));
  EXPECT_EQ(900, FittedHeight(900, 2560, 900, Rect{}));  // no area: nothing to fit to
}

TEST(ClockLayout, DigitsAndDesignatorAreCentredTogetherOnOneBaseline) {
  const Rect work{1280, 0, 2304, 738};
  const TextBox digits{500, 250, 200};
  const TextBox designator{100, 100, 80};
  const ClockPlacement after = PlaceClock(work, digits, designator, 20, false);
  EXPECT_EQ(1280 + (1024 - 620) / 2, after.digits.x);
  EXPECT_EQ((738 - 250) / 2, after.digits.y);
  EXPECT_EQ(after.digits.x + 520, after.designator.x);
  EXPECT_EQ(after.digits.y + 200, after.designator.y + 80);
  const ClockPlacement before = PlaceClock(work, digits, designator, 20, true);
  EXPECT_EQ(after.digits.x, before.designator.x);
  EXPECT_EQ(before.designator.x + 120, before.digits.x);
  // Without a designator the digits alone are centred.
  EXPECT_EQ(1280 + (1024 - 500) / 2, PlaceClock(work, digits, TextBox{}, 20, true).digits.x);
  EXPECT_EQ(620, ClockWidth(digits, designator, 20));
  EXPECT_EQ(100, DesignatorHeight(250));
}
