// Show as a host calls it: through the loaded library, with the dialog
// answered the way a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLibrary>
#include <QPushButton>
#include <QTimer>

#include "plugin/dialog/filter_dialog.h"
#include "plugin/screen_cursor.h"
#include "shop_fixture.h"

namespace rep {
namespace {

using Events = std::vector<std::string>;

class ShowTest : public reptest::ShopFixture {
 protected:
  void SetUp() override {
    ShopFixture::SetUp();
    AddArticle(1, "ACEITE", 10);
    AddArticle(2, "ARROZ", 20);
    AddPackage(1, "CAJA", 12);
    AddPackage(2, "PAQ", 6);
    AddPackage(2, "PZA", 1);
    library_.setFileName(PLUGIN_LIBRARY);
    show_ = reinterpret_cast<ShowFunction>(library_.resolve("Show"));
    ASSERT_NE(show_, nullptr) << library_.errorString().toStdString();
  }

  // Answers the next modal dialog once it has loaded its pick list.
  void AnswerDialog(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(50, [answer] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      answer(*dialog);
    });
  }

  // Closes the preview window once it shows every page, as a user would.
  void ClosePreviewWhenDone() {
    auto* timer = new QTimer(&closer_);
    QObject::connect(timer, &QTimer::timeout, [timer] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || modal->metaObject()->className() != std::string("qr::PageViewer"))
        return;
      for (QLabel* label : modal->findChildren<QLabel*>())
        if (label->text().startsWith("Página") && !label->text().endsWith("…")) {
          timer->stop();
          static_cast<QDialog*>(modal)->accept();
        }
    });
    timer->start(20);
  }

  QObject closer_;
  QLibrary library_;
  ShowFunction show_ = nullptr;
  reptest::RecordingProgressBar bar_;
};

TEST_F(ShowTest, RunsThePriceListAfterOk) {
  AnswerDialog([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Filtro de reporte");
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == "&Aceptar") button->click();
  });
  ClosePreviewWhenDone();
  show_(shop_.get(), &bar_);
  EXPECT_EQ(bar_.events,
            (Events{"visible", "max 3", "pos 1", "pos 1", "pos 2", "pos 3", "hidden", "pos 0"}));
  EXPECT_EQ(WorkTableRows({"CompraCan", "VentasCan"}, "Indice"),
            (Events{"1|CompraCan=12|VentasCan=", "2|CompraCan=|VentasCan=6"}));
  EXPECT_FALSE(IsWaitCursorSet());
}

TEST_F(ShowTest, RunsOverTheSampleShop) {
  qr::data::WriteSampleDatabase(*shop_, {.articles = 300, .seed = 5, .progress = {}});
  qr::data::ClientDataSet rows;
  rows.SetRemoteServer(shop_.get());
  rows.SetProviderName(qr::data::kPriceListProvider);
  rows.SetCommandText("Select count(*) From CodAlt");
  rows.Open();
  const std::string expectedMax = "max " + rows.FieldAt(0).AsString();
  AnswerDialog([](QDialog& dialog) { dialog.accept(); });
  ClosePreviewWhenDone();
  show_(shop_.get(), &bar_);
  ASSERT_GE(bar_.events.size(), 4u);
  EXPECT_EQ(bar_.events[1], expectedMax);
  EXPECT_EQ(bar_.events[bar_.events.size() - 3], "pos " + expectedMax.substr(4));
  EXPECT_EQ(WorkTableRows({}).size(), 300u);
}

TEST_F(ShowTest, CancelReturnsAtOnceAndTouchesNothing) {
  bar_.SetVisible(true);
  bar_.events.clear();
  AnswerDialog([](QDialog& dialog) { dialog.reject(); });
  show_(shop_.get(), &bar_);
  EXPECT_TRUE(bar_.events.empty());
  EXPECT_FALSE(IsWaitCursorSet());
  EXPECT_TRUE(WorkTableRows({}).empty());
}

TEST_F(ShowTest, ErrorsReachTheHostAfterCleanUp) {
  std::filesystem::remove(alias_ / "TempM_t.db");
  AnswerDialog([](QDialog& dialog) { dialog.accept(); });
  try {
    show_(shop_.get(), &bar_);
    FAIL() << "no error";
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find("does not exist"), std::string::npos);
  }
  EXPECT_EQ(bar_.events, (Events{"visible", "hidden", "pos 0"}));
  EXPECT_FALSE(IsWaitCursorSet());
}

}  // namespace
}  // namespace rep
