#include "main_window.h"

#include <QLabel>
#include <QLibrary>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <exception>

#include "host_progress_bar.h"

MainWindow::MainWindow(std::unique_ptr<qr::data::SqlConnection> connection, QString pluginPath)
    : connection_(std::move(connection)), pluginPath_(std::move(pluginPath)) {
  setWindowTitle("Administración de tienda");
  resize(800, 500);
  QMenu* reports = menuBar()->addMenu("&Reportes");
  QAction* priceList = reports->addAction("Lista de precios por presentación");
  connect(priceList, &QAction::triggered, this, &MainWindow::RunPriceList);
  QMenu* file = menuBar()->addMenu("&Archivo");
  connect(file->addAction("Salir"), &QAction::triggered, this, &QWidget::close);

  progressBar_ = new QProgressBar(this);
  progressBar_->setMinimum(0);
  progressBar_->setVisible(false);
  statusBar()->addPermanentWidget(progressBar_);
  statusBar()->addWidget(new QLabel(QString::fromStdString(connection_->Location()), this));
}

void MainWindow::RunPriceList() {
  QLibrary library(pluginPath_);
  auto show = reinterpret_cast<ShowFunction>(library.resolve("Show"));
  if (show == nullptr) {
    QMessageBox::critical(this, windowTitle(),
                          QString("The price-list plug-in is missing or cannot be loaded:\n%1\n%2")
                              .arg(pluginPath_, library.errorString()));
    return;
  }
  HostProgressBar progress(*progressBar_);
  try {
    show(connection_.get(), &progress);
  } catch (const std::exception& error) {
    QMessageBox::critical(this, windowTitle(), QString::fromUtf8(error.what()));
  }
}
