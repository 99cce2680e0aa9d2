#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "data/client_dataset.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace rep {

// "Filtro de reporte": the modal dialog in which the user picks what the price
// list selects by, the order and the range. The range boxes are filled from
// pick lists read through `Tabla`; OK rewrites the range into literals.
class TFSelecc_RepDLL : public QDialog {
  Q_OBJECT

 public:
  explicit TFSelecc_RepDLL(QWidget* parent = nullptr);
  ~TFSelecc_RepDLL() override;

  // Empties `box`, adds the (caption, code) pairs of list `mode` (1, 2 or 39)
  // and selects the first item; any other mode leaves the box empty.
  static void FillOptionList(QComboBox* box, int mode);

  // The code carried by the selected item of the selection / order list.
  int SelectionKind() const;
  int OrderKind() const;
  QString FromText() const;
  QString ToText() const;

  // How a failing pick-list query is shown; a message box unless replaced (tests).
  void SetErrorReporter(std::function<void(const QString&)> reporter);

  void FormActivate();
  void cbSeleccionarChange();
  void CBDesdeExit(QComboBox* box);
  // Rewrites the range into literals and closes with OK; stays open when a
  // range text holds what the key filter would not have let through.
  void BitBtn1Click();
  void FormClose();
  void DetOTotClick();

  qr::data::ClientDataSet Tabla;

  QLabel *Label1, *LOrdenacion, *Label3, *lbA, *LFechaIni, *LFechaFinal;
  QComboBox *cbSeleccionar, *cbOrdenacion, *CBDesde, *CBa;
  QCheckBox* CBFtoTiket;
  QPushButton *BitBtn1, *BitBtn2;
  QStatusBar* Barra;
  QDateEdit *FromEdit, *ToEdit;
  QGroupBox* DetOTot;
  QRadioButton *DetOTotDetalles, *DetOTotTotales;
  QCheckBox *cbParam1, *cbParam2, *cbParam3, *cbParam4, *cbParam5, *cbParam6;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateVisibleControls();
  void CreateHiddenControls();
  void SetTabOrder();
  // False when the query failed; the failure has been reported.
  bool LoadPickList(int selectionKind);
  void FillCharacterList(int selectionKind);
  void MakeRangeBoxesEditable(int maxLength);
  void MakeRangeBoxesLists();
  void RewriteRangeBox(QComboBox* box, const QString& literal);

  std::function<void(const QString&)> reportError_;
  bool activated_ = false;
};

}  // namespace rep
