#pragma once

#include <memory>
#include <string>

#include "data/result_table.h"

namespace qr::data {

// The provider every statement of the price list goes through.
inline constexpr const char* kPriceListProvider = "DedevOvozazEruroziz";

// The host's connection as client datasets see it: it runs a command text
// through a named provider and hands back every row of the result.
class RemoteServer {
 public:
  virtual ~RemoteServer() = default;
  // Throws DataError with the database's own message when the statement is
  // rejected, and with a clear message for a provider it does not serve.
  virtual std::unique_ptr<ResultTable> Execute(const std::string& providerName,
                                               const std::string& commandText) = 0;
};

}  // namespace qr::data
