// The library's one exported entry point.
#include <memory>

#include "plugin/dialog/filter_dialog.h"
#include "plugin/price_list_run.h"
#include "preview/page_viewer.h"
#include "rep_esp_orv/show.h"

namespace {

// Reads the accepted dialog: the codes of the selected items and the range
// texts as the OK handler rewrote them.
rep::FilterChoice ChoiceFrom(const rep::TFSelecc_RepDLL& dialog) {
  return {dialog.SelectionKind(), dialog.OrderKind(), dialog.FromText().toStdString(),
          dialog.ToText().toStdString()};
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void Show(qr::data::RemoteServer* connection,
                                                            rep::ProgressBar* progressBar) {
  auto dialog = std::make_unique<rep::TFSelecc_RepDLL>();
  dialog->Tabla.SetRemoteServer(connection);
  rep::TFSelecc_RepDLL::FillOptionList(dialog->cbSeleccionar, 39);
  rep::TFSelecc_RepDLL::FillOptionList(dialog->cbOrdenacion, 1);
  if (dialog->exec() != QDialog::Accepted) return;
  qr::PageViewerHost preview;
  rep::RunPriceList(*connection, *progressBar, ChoiceFrom(*dialog), preview);
}
