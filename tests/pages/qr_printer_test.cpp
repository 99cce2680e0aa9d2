#include "pages/qr_printer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <filesystem>
#include <latch>
#include <thread>

#include "page_store_fixture.h"
#include "pages/qr_error.h"
#include "platform/little_endian.h"
#include "platform/window_message.h"
#include "support/temp_dir.h"

namespace qr {
namespace {

using qrtest::ProduceJob;
using qrtest::ShownNumber;

TEST(TQRPrinter, ReadsPagesInAnyOrderInMemoryAndAfterTheMoveToAFile) {
  struct Case {
    const char* name;
    std::int32_t memoryLimit;
    bool inMemory;
  };
  for (const Case& c : {Case{"memory", 1 << 24, true}, Case{"file", 20000, false}}) {
    SCOPED_TRACE(c.name);
    TQRPrinter printer;
    printer.DeviceSettings.MemoryLimit = c.memoryLimit;
    ProduceJob(printer, 10);
    EXPECT_EQ(printer.PageStream()->InMemory(), c.inMemory);
    for (int n : {5, 2, 9, 1, 9, 10, 3}) EXPECT_EQ(ShownNumber(printer.GetPage(n)), n);
  }
}

TEST(TQRPrinter, AnswersNothingOutsideItsPages) {
  TQRPrinter printer;
  EXPECT_FALSE(printer.GetPage(1));  // before any job
  ProduceJob(printer, 3);
  for (int n : {0, -1, 4}) EXPECT_FALSE(printer.GetPage(n)) << n;
}

TEST(TQRPrinter, RaisesItsMisuseErrors) {
  TQRPrinter printer;
  try {
    printer.NewPage();
    ADD_FAILURE() << "NewPage before StartJob";
  } catch (const EQRError& error) {
    EXPECT_STREQ(error.what(), "Illegal call to NewPage");
  }
  printer.StartJob();
  try {
    printer.StartJob();
    ADD_FAILURE() << "second StartJob";
  } catch (const EQRError& error) {
    EXPECT_STREQ(error.what(), "QRPrinter not ready");
  }
  printer.Reset();
  EXPECT_EQ(printer.State(), stIdle);
  printer.StartJob();  // ready again after Reset
  EXPECT_EQ(printer.State(), stProducing);
}

TEST(TQRPrinter, KeepsTheOpenPageOutOfTheStore) {
  TQRPrinter printer;
  printer.StartJob();
  for (int page = 1; page <= 3; ++page) {
    printer.NewPage();
    qrtest::DrawNumberedPage(*printer.GetCanvas(), page);
  }
  EXPECT_FALSE(printer.GetPage(3));
  EXPECT_EQ(ShownNumber(printer.GetPage(2)), 2);
  printer.NewPage();
  EXPECT_EQ(ShownNumber(printer.GetPage(3)), 3);
  EXPECT_EQ(printer.PageCount(), 4);
  EXPECT_EQ(printer.CurrentPageNumber(), 4);
}

TEST(TQRPrinter, ServesPagesToAnotherThreadWhileProducing) {
  TQRPrinter printer;
  printer.DeviceSettings.MemoryLimit = 30000;  // the move happens during the run
  std::latch pageThreeOpen(1), checked(1);
  std::thread producer([&] {
    printer.StartJob();
    for (int page = 1; page <= 60; ++page) {
      printer.NewPage();
      qrtest::DrawNumberedPage(*printer.GetCanvas(), page);
      if (page == 3) {
        pageThreeOpen.count_down();
        checked.wait();
      }
    }
    printer.EndJob();
  });
  pageThreeOpen.wait();
  EXPECT_FALSE(printer.GetPage(3));
  EXPECT_EQ(ShownNumber(printer.GetPage(2)), 2);
  checked.count_down();
  int reads = 0;
  while (printer.State() != stComplete || reads < 100) {
    const int ready = printer.PagesReady();
    if (ready > 0) {
      const int n = 1 + (reads * 7) % ready;
      ASSERT_EQ(ShownNumber(printer.GetPage(n)), n);
    }
    ++reads;
  }
  producer.join();
  EXPECT_FALSE(printer.PageStream()->InMemory());
  EXPECT_EQ(ShownNumber(printer.GetPage(60)), 60);
}

TEST(TQRPrinter, ConvertsToDeviceDotsRoundingHalvesToEven) {
  TQRPrinter printer;
  printer.DotsX = 0.5L;
  printer.DotsY = 0.25L;
  printer.LeftOffset = 1;
  printer.TopOffset = 2;
  struct Case {
    long double value;
    int x, y, width, height;
  };
  const Case cases[] = {
      {1, 0, 0, 0, 0},       // x: 0 * 0.5;  width: 0.5 -> 0
      {4, 2, 0, 2, 1},       // x: 1.5 -> 2;  y: 0.5 -> 0;  height: 1
      {6, 2, 1, 3, 2},       // x: 2.5 -> 2;  y: 1;  height: 1.5 -> 2
      {12, 6, 2, 6, 3},      // y: 2.5 -> 2
      {-3, -2, -1, -2, -1},  // x: -2;  y: -1.25 -> -1;  width: -1.5 -> -2;  height: -0.75 -> -1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.value));
    EXPECT_EQ(printer.ToDeviceX(c.value), c.x);
    EXPECT_EQ(printer.ToDeviceY(c.value), c.y);
    EXPECT_EQ(printer.ToDeviceWidth(c.value), c.width);
    EXPECT_EQ(printer.ToDeviceHeight(c.value), c.height);
  }
  TQRPrinter screen;
  EXPECT_EQ(screen.ToDeviceWidth(2159), 816);  // Letter at 96 dpi
  EXPECT_EQ(screen.ToDeviceHeight(2794), 1056);
}

TEST(TQRPrinter, RecordsPagesOfThePaperSize) {
  TQRPrinter printer;
  printer.DeviceSettings.PaperSize = A4;
  ProduceJob(printer, 1);
  const Metafile page = *printer.GetPage(1);
  EXPECT_EQ(page.Header().bounds, (Rect{0, 0, 793, 1122}));  // 210 x 297 mm at 96 dpi
}

// Collects the messages posted to it.
class MessageSink : public QObject {
 public:
  std::vector<std::pair<int, std::uintptr_t>> messages;
  bool event(QEvent* event) override {
    if (event->type() < QEvent::User) return QObject::event(event);
    const auto* message = static_cast<WindowMessageEvent*>(event);
    messages.emplace_back(message->MessageNumber(), message->WParam());
    return true;
  }
};

TEST(TQRPrinter, PostsPageReadyAndProgressToItsNotifyWindow) {
  MessageSink sink;
  TQRPrinter printer;
  printer.NotifyWindow = &sink;
  printer.StartJob();
  printer.NewPage();
  printer.NotifyProgress(40);
  printer.NewPage();
  printer.NewPage();
  printer.EndJob();  // handles the pending messages itself
  const std::vector<std::pair<int, std::uintptr_t>> expected = {
      {MsgProgress, 40}, {MsgPageReady, 1}, {MsgPageReady, 2}, {MsgPageReady, 3}};
  EXPECT_EQ(sink.messages, expected);
  EXPECT_EQ(printer.PagesReady(), 3);
  EXPECT_EQ(printer.ProgressPercent(), 40);
}

TEST(TQRPrinter, SetPreviewOpenCancelsAndCallsTheHookOnClosing) {
  TQRPrinter printer;
  int hookCalls = 0;
  printer.AfterPreviewHook = [&](TQRPrinter&) { ++hookCalls; };
  printer.StartJob();
  printer.SetPreviewOpen(true);
  EXPECT_EQ(hookCalls, 0);
  printer.SetPreviewOpen(false);
  EXPECT_TRUE(printer.CancelRequested);
  EXPECT_EQ(hookCalls, 1);
  printer.AfterPreviewHook = [](TQRPrinter&) { throw std::runtime_error("hook failed"); };
  printer.SetPreviewOpen(true);
  EXPECT_THROW(printer.SetPreviewOpen(false), std::runtime_error);
  EXPECT_FALSE(printer.PreviewOpen());
}

}  // namespace
}  // namespace qr
