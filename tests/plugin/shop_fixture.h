#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/client_dataset.h"
#include "data/sample_database.h"
#include "data/work_table.h"
#include "rep_esp_orv/show.h"
#include "support/temp_dir.h"

namespace reptest {

// Records what the run does to the host's progress bar, one event a call.
class RecordingProgressBar : public rep::ProgressBar {
 public:
  void SetVisible(bool visible) override { events.push_back(visible ? "visible" : "hidden"); }
  void SetMax(int maximum) override { events.push_back("max " + std::to_string(maximum)); }
  void SetPosition(int position) override { events.push_back("pos " + std::to_string(position)); }
  std::vector<std::string> events;
};

// A shop database with the application tables (groups and departments from
// the sample data, articles and packagings added by each test), and the
// alias "Temp" with an empty work table.
class ShopFixture : public testing::Test {
 protected:
  void SetUp() override {
    shop_ = qr::data::SqlConnection::CreateSqlite(dir_.File("shop.db"));
    qr::data::WriteSampleDatabase(*shop_, {.articles = 0, .seed = 1, .progress = {}});
    alias_ = dir_.Path() / "Temp";
    qr::data::CreatePriceListWorkTable(alias_);
    qr::data::SetAliasTempDirectory(alias_);
  }

  void AddArticle(int code, const std::string& description, double price, int group = 1) {
    // Precio2..Precio5 are price + 0.1 .. price + 0.4, so each product names its column.
    shop_->ExecuteStatement("INSERT INTO Mnlus VALUES (" + std::to_string(code) + ",'" +
                            description + "'," + std::to_string(price) + "," +
                            std::to_string(price + 0.1) + "," + std::to_string(price + 0.2) + "," +
                            std::to_string(price + 0.3) + "," + std::to_string(price + 0.4) +
                            ",1," + std::to_string(group) + "," + std::to_string(group) + "," +
                            std::to_string(group) + "," + std::to_string(group) + ")");
  }

  void AddPackage(int code, const std::string& unit, double multiplier) {
    static int alternate = 0;
    shop_->ExecuteStatement("INSERT INTO CodAlt VALUES ('ALT" + std::to_string(++alternate) + "'," +
                            std::to_string(code) + ",'" + unit + "'," + std::to_string(multiplier) +
                            ")");
  }

  // The work table's rows in its current order: "Codigo|field=display|...".
  std::vector<std::string> WorkTableRows(const std::vector<std::string>& fields,
                                         const std::string& indexName = "") {
    qr::data::WorkTable table(alias_, qr::data::kWorkTableName);
    table.SetIndexName(indexName);
    table.Open();
    std::vector<std::string> rows;
    for (; !table.Eof(); table.Next()) {
      std::string row = table.FieldByName("Codigo").DisplayText();
      for (const std::string& field : fields)
        row += "|" + field + "=" + table.FieldByName(field).DisplayText();
      rows.push_back(row);
    }
    return rows;
  }

  qrtest::TempDir dir_;
  std::unique_ptr<qr::data::SqlConnection> shop_;
  std::filesystem::path alias_;
};

}  // namespace reptest
