#pragma once

#include <memory>
#include <string>

#include "data/client_dataset.h"
#include "data/sql_connection.h"
#include "model/class_registry.h"
#include "model/dataset_component.h"

namespace qrtest {

// A dataset component over the rows of a statement on an SQLite file.
class TestQuery : public qr::TDataSetComponent {
 public:
  TestQuery(qr::Component* owner, qr::data::SqlConnection& connection, const std::string& sql)
      : TDataSetComponent(owner) {
    dataset_.SetRemoteServer(&connection);
    dataset_.SetProviderName(qr::data::kPriceListProvider);
    dataset_.SetCommandText(sql);
    dataset_.SetName("Query");
  }
  const qr::ClassInfo& Class() const override {
    static const qr::ClassInfo info("TTestQuery");
    return info;
  }
  qr::data::Dataset& GetDataset() override { return dataset_; }
  qr::data::ClientDataSet& Query() { return dataset_; }

 private:
  qr::data::ClientDataSet dataset_;
};

}  // namespace qrtest
