#include "plugin/price_list_run.h"

#include <memory>
#include <optional>

#include "data/client_dataset.h"
#include "plugin/consolidation.h"
#include "plugin/report_form.h"
#include "plugin/screen_cursor.h"
#include "plugin/statement.h"
#include "plugin/store_name.h"

namespace rep {
namespace {

// The run's protected clean-up: it runs on every exit, also by an error.
class RunCleanup {
 public:
  RunCleanup(ProgressBar& bar, std::unique_ptr<qr::data::ClientDataSet>& query,
             std::unique_ptr<TFReporte>& form)
      : bar_(bar), query_(query), form_(form) {}
  ~RunCleanup() {
    bar_.SetVisible(false);
    bar_.SetPosition(0);
    form_.reset();
    query_.reset();
    SetDefaultCursor();
  }

 private:
  ProgressBar& bar_;
  std::unique_ptr<qr::data::ClientDataSet>& query_;
  std::unique_ptr<TFReporte>& form_;
};

void FoldResult(qr::data::ClientDataSet& query, qr::data::WorkTable& table, ProgressBar& bar) {
  // The result's columns are looked up with the first row, so an empty result never fails here.
  std::optional<PresentationFold> fold;
  int rowNumber = 0;
  for (; !query.Eof(); query.Next()) {
    if (!fold) fold.emplace(query, table);
    fold->FoldCurrentRow();
    bar.SetPosition(++rowNumber);
  }
}

// Groups and departments get a group line before each new CodNombre.
void EnableGroupLine(TFReporte& form, int selectionKind) {
  if (selectionKind <= kByDescription) return;
  form.qrgGrupo().Expression = "TempM_t.CodNombre";
  form.qrgGrupo().Enabled = true;
}

}  // namespace

void RunPriceList(qr::data::RemoteServer& connection, ProgressBar& progressBar,
                  const FilterChoice& choice, qr::PreviewHost& preview, RunObserver* observer) {
  SetWaitCursor();
  std::unique_ptr<qr::data::ClientDataSet> query;
  std::unique_ptr<TFReporte> form;
  RunCleanup cleanup(progressBar, query, form);
  query = std::make_unique<qr::data::ClientDataSet>();
  form = std::make_unique<TFReporte>();
  progressBar.SetVisible(true);

  query->SetRemoteServer(&connection);
  query->SetProviderName(qr::data::kPriceListProvider);
  qr::data::WorkTable& table = form->TempM_t();
  PrepareWorkTable(table);
  query->SetCommandText(ComposePriceListStatement(choice.selectionKind, choice.from, choice.to));
  table.EmptyTable();
  query->Open();
  progressBar.SetMax(query->RecordCount());
  progressBar.SetPosition(1);
  table.Open();
  FoldResult(*query, table, progressBar);
  query->Close();
  table.Close();
  BuildSortIndex(table, choice.orderKind);
  if (observer) observer->WorkTableReady(*form);
  EnableGroupLine(*form, choice.selectionKind);
  form->Runs().PreparePages();
  if (observer) observer->PagesPrepared(*form);
  form->qrTotalHojas().SetCaption(std::to_string(form->Reporte().PageNumber));
  form->qrlbNombre().SetCaption(ReadStoreName());
  form->Runs().PreviewReportModal(preview);
  table.Close();
}

}  // namespace rep
