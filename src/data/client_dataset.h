#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "data/remote_server.h"

namespace qr::data {

// A dataset whose rows come from the host's connection: the command text runs
// through the provider when the dataset opens, every row is fetched at once,
// and the dataset walks them in the order the database returned them.
class ClientDataSet : public Dataset {
 public:
  ClientDataSet();
  ~ClientDataSet() override;

  RemoteServer* GetRemoteServer() const { return remoteServer_; }
  void SetRemoteServer(RemoteServer* server) { remoteServer_ = server; }
  const std::string& ProviderName() const { return providerName_; }
  void SetProviderName(std::string name) { providerName_ = std::move(name); }
  const std::string& CommandText() const { return commandText_; }
  void SetCommandText(std::string text) { commandText_ = std::move(text); }

  // Runs the command text; throws DataError when no server is attached or the
  // database rejects the statement. Stands on the first row afterwards.
  void Open() override;
  void Close() override;
  bool Active() const override { return table_ != nullptr; }

  void First() override;
  void Next() override;
  void Prior() override;
  bool Eof() const override { return eof_; }
  bool Bof() const override { return bof_; }
  int RecordCount() const override;
  int RecNo() const override;

  int FieldCount() const override { return static_cast<int>(fields_.size()); }
  Field& FieldAt(int index) override { return *fields_[index]; }

  // Read by the fields; valid while the dataset is open.
  FieldValue CurrentCell(int column) const;

 private:
  void RequireActive() const;

  RemoteServer* remoteServer_ = nullptr;
  std::string providerName_;
  std::string commandText_;
  std::unique_ptr<ResultTable> table_;
  std::vector<std::unique_ptr<Field>> fields_;
  int row_ = 0;  // zero-based
  bool eof_ = true;
  bool bof_ = true;
};

}  // namespace qr::data
