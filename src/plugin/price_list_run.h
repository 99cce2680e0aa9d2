#pragma once

#include <string>

#include "data/remote_server.h"
#include "engine/report_lifecycle.h"
#include "rep_esp_orv/show.h"

namespace rep {

// What the accepted filter dialog hands to the run: the selection and order
// kinds and the range texts already rewritten into their literal forms.
struct FilterChoice {
  int selectionKind = 1;
  int orderKind = 1;
  std::string from;
  std::string to;
};

// Observes a run from outside (tests, the command line). Every hook is optional.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // The work table is filled, indexed by "Indice" and open in that order.
  virtual void WorkTableReady(class TFReporte& form) { (void)form; }
  // The preparation pass has produced its pages; the preview pass follows.
  virtual void PagesPrepared(class TFReporte& form) { (void)form; }
};

// The run after the filter dialog was accepted: wait cursor, the statement,
// the fold of every result row into the work table with the progress bar
// following the rows, the sort index, the group line for group selections,
// the preparation pass for the page total, the store name, and the preview
// pass shown by `preview`. Cleans up on every path (bar hidden at 0, objects
// released, default cursor) and lets errors through unchanged.
void RunPriceList(qr::data::RemoteServer& connection, ProgressBar& progressBar,
                  const FilterChoice& choice, qr::PreviewHost& preview,
                  RunObserver* observer = nullptr);

}  // namespace rep
