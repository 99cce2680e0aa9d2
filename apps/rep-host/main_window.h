#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "data/sql_connection.h"

class QProgressBar;
class QLabel;

// The demo host: a main window whose menu runs the price-list plug-in over the
// database connection it was started with.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(std::unique_ptr<qr::data::SqlConnection> connection, QString pluginPath);

 private:
  void RunPriceList();

  std::unique_ptr<qr::data::SqlConnection> connection_;
  QString pluginPath_;
  QProgressBar* progressBar_ = nullptr;
};
