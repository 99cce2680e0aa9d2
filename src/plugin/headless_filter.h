#pragma once

#include <string>

#include "data/remote_server.h"
#include "plugin/price_list_run.h"

namespace rep {

// What a user would pick in the filter dialog, by name, for runs without it.
struct FilterRequest {
  std::string by = "code";  // code, description, group1, group2, group3, department
  std::string from;         // an article code, one character, or a group/department name
  std::string to;
  std::string order = "code";  // code or description
};

// Turns a request into the choice the dialog's OK would hand to the run:
// codes as typed (digits only), one character in quotes (a-z raised), and
// names as their 1-based positions in the pick list read from the server.
// Throws std::invalid_argument with a message naming the valid values.
FilterChoice ResolveFilter(qr::data::RemoteServer& connection, const FilterRequest& request);

}  // namespace rep
