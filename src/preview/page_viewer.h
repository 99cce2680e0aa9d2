#pragma once

#include <QDialog>
#include <memory>

#include "engine/report_lifecycle.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

namespace qr {

class TQRPrinter;

// A plain window that shows a report's pages while they are produced: one
// page at a time, fitted to the window's width, with buttons to page
// through. It follows a run still in progress.
class PageViewer : public QDialog {
  Q_OBJECT

 public:
  PageViewer(std::shared_ptr<TQRPrinter> printer, QWidget* parent = nullptr);

  void ShowPage(int page);
  int CurrentPage() const { return page_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Refresh();
  void UpdateButtons();

  std::shared_ptr<TQRPrinter> printer_;
  int page_ = 0;
  int shownCount_ = -1;
  QScrollArea* scroll_;
  QLabel* image_;
  QLabel* status_;
  QPushButton *first_, *previous_, *next_, *last_;
  QTimer* poll_;
};

// Shows a run's pages in a PageViewer, maximized and modal.
class PageViewerHost : public PreviewHost {
 public:
  void ShowModal(const std::shared_ptr<TQRPrinter>& printer, const ReportLifecycle& runs) override;
};

}  // namespace qr
