#include "preview/page_viewer.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "pages/qr_printer.h"
#include "platform/emf/emf_player.h"
#include "platform/painter_canvas.h"

namespace qr {
namespace {

// How often the window looks for pages a running worker has added.
constexpr int kPollMilliseconds = 200;
constexpr int kPageMargin = 24;

QImage RenderPage(const Metafile& page, int width) {
  const int height = page.Width() > 0 ? width * page.Height() / page.Width() : width;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PainterCanvas canvas(painter);
  PlayMetafile(page, canvas, Rect{0, 0, width, height});
  return image;
}

}  // namespace

PageViewer::PageViewer(std::shared_ptr<TQRPrinter> printer, QWidget* parent)
    : QDialog(parent), printer_(std::move(printer)) {
  setWindowTitle(
      QString::fromStdString(printer_->Title.empty() ? "Vista previa" : printer_->Title));
  scroll_ = new QScrollArea(this);
  scroll_->setAlignment(Qt::AlignHCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  image_ = new QLabel;
  scroll_->setWidget(image_);
  status_ = new QLabel(this);
  first_ = new QPushButton("|<", this);
  previous_ = new QPushButton("<", this);
  next_ = new QPushButton(">", this);
  last_ = new QPushButton(">|", this);
  auto* close = new QPushButton("Cerrar", this);
  auto* buttons = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{first_, previous_, status_, next_, last_})
    buttons->addWidget(widget);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(scroll_);
  connect(first_, &QPushButton::clicked, this, [this] { ShowPage(1); });
  connect(previous_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
  connect(last_, &QPushButton::clicked, this, [this] { ShowPage(printer_->PagesReady()); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  poll_ = new QTimer(this);
  connect(poll_, &QTimer::timeout, this, &PageViewer::Refresh);
  poll_->start(kPollMilliseconds);
  resize(900, 700);
  Refresh();
}

void PageViewer::Refresh() {
  const int ready =
      printer_->State() == stComplete ? printer_->PageCount() : printer_->PagesReady();
  if (page_ == 0 && ready > 0) ShowPage(1);
  if (ready != shownCount_) {
    shownCount_ = ready;
    UpdateButtons();
  }
  if (printer_->State() == stComplete) poll_->stop();
}

void PageViewer::ShowPage(int page) {
  const std::optional<Metafile> drawing = printer_->GetPage(page);
  if (!drawing) return;
  page_ = page;
  const int width = std::max(scroll_->viewport()->width() - kPageMargin, 200);
  image_->setPixmap(QPixmap::fromImage(RenderPage(*drawing, width)));
  image_->adjustSize();
  UpdateButtons();
}

void PageViewer::UpdateButtons() {
  const bool complete = printer_->State() == stComplete;
  const int total = complete ? printer_->PageCount() : printer_->PagesReady();
  status_->setText(QString("Página %1 de %2%3").arg(page_).arg(total).arg(complete ? "" : "…"));
  first_->setEnabled(page_ > 1);
  previous_->setEnabled(page_ > 1);
  next_->setEnabled(page_ < total);
  last_->setEnabled(page_ < total);
}

void PageViewer::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (page_ > 0) ShowPage(page_);
}

void PageViewerHost::ShowModal(const std::shared_ptr<TQRPrinter>& printer, const ReportLifecycle&) {
  PageViewer viewer(printer);
  viewer.setWindowState(Qt::WindowMaximized);
  viewer.exec();
}

}  // namespace qr
