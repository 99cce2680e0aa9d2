#include "plugin/dialog/filter_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <exception>

#include "plugin/dialog/range_validator.h"
#include "plugin/range_literals.h"
#include "plugin/screen_cursor.h"
#include "plugin/statement.h"

namespace rep {
namespace {

constexpr int kClientWidth = 394;
constexpr int kClientHeight = 250;
constexpr int kDialogFontPoints = 8;
constexpr const char* kWaitText = "Espere un momento por favor.....";
// Kinds 2 and 3 offer the characters with codes 48 ("0") to 90 ("Z").
constexpr char16_t kFirstOfferedCharacter = 48;
constexpr char16_t kLastOfferedCharacter = 90;

struct Option {
  const char* caption;
  int code;
};

const std::vector<Option>& OptionList(int mode) {
  static const std::vector<Option> none;
  static const std::vector<Option> order = {{"Código", 1}, {"Descripción", 2}};
  static const std::vector<Option> prices = {
      {"Precio 1", 1}, {"Precio 2", 2}, {"Precio 3", 3}, {"Precio 4", 4}, {"Precio 5", 5}};
  static const std::vector<Option> selection = {{"Código", 1},  {"Descripción", 2},
                                                {"Grupo 1", 4}, {"Grupo 2", 5},
                                                {"Grupo 3", 6}, {"Departamento", 7}};
  switch (mode) {
    case 1:
      return order;
    case 2:
      return prices;
    case 39:
      return selection;
    default:
      return none;
  }
}

template <typename Widget>
Widget* Place(Widget* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

QLabel* PlaceLabel(QWidget* parent, const char* caption, int left, int top) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->adjustSize();
  label->move(left, top);
  return label;
}

int ItemCode(const QComboBox* box) {
  const QVariant code = box->currentData();
  return code.isValid() ? code.toInt() : 0;
}

}  // namespace

TFSelecc_RepDLL::TFSelecc_RepDLL(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Filtro de reporte");
  setFixedSize(kClientWidth, kClientHeight);
  QFont dialogFont = QApplication::font();
  dialogFont.setPointSize(kDialogFontPoints);
  setFont(dialogFont);
  Tabla.SetProviderName(qr::data::kPriceListProvider);
  reportError_ = [this](const QString& message) { QMessageBox::critical(this, "Error", message); };
  CreateVisibleControls();
  CreateHiddenControls();
  SetTabOrder();
}

TFSelecc_RepDLL::~TFSelecc_RepDLL() = default;

void TFSelecc_RepDLL::CreateVisibleControls() {
  Label1 = PlaceLabel(this, "Seleccionar por:", 64, 43);
  LOrdenacion = PlaceLabel(this, "Ordenación por:", 216, 43);
  cbSeleccionar = Place(new QComboBox(this), 32, 56, 145, 22);
  cbOrdenacion = Place(new QComboBox(this), 200, 56, 145, 22);
  Label3 = PlaceLabel(this, "Desde", 64, 84);
  lbA = PlaceLabel(this, "A:", 224, 84);
  CBDesde = Place(new QComboBox(this), 32, 96, 145, 21);
  CBa = Place(new QComboBox(this), 200, 96, 145, 21);
  CBFtoTiket = Place(new QCheckBox("Formato ticket", this), 296, 163, 97, 17);
  BitBtn1 = Place(new QPushButton("&Aceptar", this), 97, 203, 75, 25);
  BitBtn2 = Place(new QPushButton("&Cancelar", this), 217, 203, 75, 25);
  Barra = Place(new QStatusBar(this), 0, 229, 394, 21);
  Barra->setSizeGripEnabled(false);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TFSelecc_RepDLL::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(cbSeleccionar, &QComboBox::activated, this, &TFSelecc_RepDLL::cbSeleccionarChange);
  for (QComboBox* box : {CBDesde, CBa}) box->installEventFilter(this);
}

void TFSelecc_RepDLL::CreateHiddenControls() {
  LFechaIni = PlaceLabel(this, "Fecha Inicial", 64, 124);
  LFechaFinal = PlaceLabel(this, "Fecha Final", 224, 124);
  FromEdit = Place(new QDateEdit(this), 32, 136, 145, 21);
  ToEdit = Place(new QDateEdit(this), 200, 136, 145, 21);
  DetOTot = Place(new QGroupBox("Mostrar", this), 32, 150, 185, 40);
  auto* columns = new QHBoxLayout(DetOTot);
  DetOTotDetalles = new QRadioButton("Detalles", DetOTot);
  DetOTotTotales = new QRadioButton("Totales", DetOTot);
  columns->addWidget(DetOTotDetalles);
  columns->addWidget(DetOTotTotales);
  DetOTotDetalles->setChecked(true);
  connect(DetOTotDetalles, &QRadioButton::toggled, this, &TFSelecc_RepDLL::DetOTotClick);
  cbParam1 = Place(new QCheckBox("Solo no invent.", this), 32, 160, 97, 17);
  cbParam2 = Place(new QCheckBox("Arts. activos", this), 32, 178, 97, 17);
  cbParam3 = Place(new QCheckBox("Nums Serie", this), 140, 160, 97, 17);
  cbParam4 = Place(new QCheckBox("Factura 1", this), 140, 178, 97, 17);
  cbParam5 = Place(new QCheckBox("Factura 2", this), 240, 178, 97, 17);
  cbParam6 = Place(new QCheckBox("No Facturados", this), 240, 143, 97, 17);
  cbParam3->setEnabled(false);
  for (QWidget* hidden :
       std::initializer_list<QWidget*>{LFechaIni, LFechaFinal, FromEdit, ToEdit, DetOTot, cbParam1,
                                       cbParam2, cbParam3, cbParam4, cbParam5, cbParam6})
    hidden->hide();
}

void TFSelecc_RepDLL::SetTabOrder() {
  const QWidget* order[] = {cbSeleccionar, cbOrdenacion, CBDesde,  CBa,     FromEdit, ToEdit,
                            CBFtoTiket,    BitBtn1,      BitBtn2,  DetOTot, cbParam1, cbParam2,
                            cbParam3,      cbParam4,     cbParam5, cbParam6};
  for (size_t i = 0; i + 1 < std::size(order); ++i)
    setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

void TFSelecc_RepDLL::FillOptionList(QComboBox* box, int mode) {
  box->clear();
  for (const Option& option : OptionList(mode))
    box->addItem(QString::fromUtf8(option.caption), option.code);
  if (box->count() > 0) box->setCurrentIndex(0);
}

int TFSelecc_RepDLL::SelectionKind() const {
  return ItemCode(cbSeleccionar);
}
int TFSelecc_RepDLL::OrderKind() const {
  return ItemCode(cbOrdenacion);
}
QString TFSelecc_RepDLL::FromText() const {
  return CBDesde->currentText();
}
QString TFSelecc_RepDLL::ToText() const {
  return CBa->currentText();
}

void TFSelecc_RepDLL::SetErrorReporter(std::function<void(const QString&)> reporter) {
  reportError_ = std::move(reporter);
}

void TFSelecc_RepDLL::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  // Run once the dialog is on screen, so the status text of the first pick list shows.
  QTimer::singleShot(0, this, &TFSelecc_RepDLL::FormActivate);
}

void TFSelecc_RepDLL::FormActivate() {
  if (!DetOTot->isHidden()) {
    DetOTotTotales->setChecked(true);
    DetOTotClick();
  } else {
    DetOTotDetalles->setChecked(true);
  }
  LOrdenacion->setVisible(!cbOrdenacion->isHidden());
  LFechaFinal->setVisible(!ToEdit->isHidden());
  LFechaIni->setVisible(!FromEdit->isHidden());
  FromEdit->setDate(QDate::currentDate());
  ToEdit->setDate(QDate::currentDate());
  cbSeleccionarChange();
}

void TFSelecc_RepDLL::cbSeleccionarChange() {
  CBDesde->clear();
  CBa->clear();
  CBa->setVisible(true);
  lbA->setVisible(true);
  const int kind = SelectionKind();
  if (kind < kByCode || kind > kByDepartment) return;
  SetWaitCursor();
  if (kind == kByDescription || kind == kByAlternateCode)
    FillCharacterList(kind);
  else if (!LoadPickList(kind))
    return;
  CBDesde->setCurrentIndex(0);
  CBa->setCurrentIndex(CBa->count() - 1);
  SetDefaultCursor();
}

void TFSelecc_RepDLL::FillCharacterList(int selectionKind) {
  QStringList characters;
  for (char16_t code = kFirstOfferedCharacter; code <= kLastOfferedCharacter; ++code)
    characters << QString(QChar(code));
  CBDesde->addItems(characters);
  CBa->addItems(characters);
  MakeRangeBoxesEditable(selectionKind == kByDescription ? 1 : 0);
}

bool TFSelecc_RepDLL::LoadPickList(int selectionKind) {
  const PickList pickList = *PickListFor(selectionKind);
  Barra->showMessage(kWaitText);
  repaint();
  QStringList entries;
  try {
    Tabla.SetCommandText(pickList.statement);
    Tabla.Open();
    qr::data::Field& column = Tabla.FieldByName(pickList.column);
    for (; !Tabla.Eof(); Tabla.Next()) entries << QString::fromStdString(column.AsString());
    Tabla.Close();
  } catch (const std::exception& error) {
    Tabla.Close();
    // The dialog stays open; the wait cursor and the status text stay until the
    // selection changes again or the dialog closes.
    reportError_(QString::fromUtf8(error.what()));
    return false;
  }
  if (selectionKind == kByCode && entries.isEmpty()) entries << "1";
  CBDesde->addItems(entries);
  CBa->addItems(entries);
  Barra->clearMessage();
  if (selectionKind == kByCode)
    MakeRangeBoxesEditable(0);
  else
    MakeRangeBoxesLists();
  return true;
}

void TFSelecc_RepDLL::MakeRangeBoxesEditable(int maxLength) {
  for (QComboBox* box : {CBDesde, CBa}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would change what the user typed.
    box->setCompleter(nullptr);
    box->lineEdit()->setMaxLength(maxLength > 0 ? maxLength : 32767);
    box->setValidator(new RangeValidator(SelectionKind(), box));
    box->lineEdit()->installEventFilter(this);
  }
}

void TFSelecc_RepDLL::MakeRangeBoxesLists() {
  for (QComboBox* box : {CBDesde, CBa}) box->setEditable(false);
}

bool TFSelecc_RepDLL::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (QComboBox* box : {CBDesde, CBa})
      if (watched == box || (box->isEditable() && watched == box->lineEdit())) CBDesdeExit(box);
  }
  return QDialog::eventFilter(watched, event);
}

void TFSelecc_RepDLL::CBDesdeExit(QComboBox* box) {
  if (!box->currentText().isEmpty() || box->count() == 0) return;
  box->setCurrentIndex(0);
  if (box->isEditable()) box->setEditText(box->itemText(0));
}

void TFSelecc_RepDLL::BitBtn1Click() {
  const int kind = SelectionKind();
  if (HasPickListOfNames(kind)) {
    RewriteRangeBox(CBDesde, PositionLiteral(CBDesde->currentIndex()));
    RewriteRangeBox(CBa, PositionLiteral(CBa->currentIndex()));
    accept();
    return;
  }
  for (QComboBox* box : {CBDesde, CBa}) {
    if (!FilterRangeText(kind, box->currentText())) {
      reportError_(
          QString("El rango \"%1\" contiene caracteres no válidos.").arg(box->currentText()));
      return;
    }
  }
  // Enter on the default button can skip the exit handler of an emptied end box;
  // the end character then comes from the box's first entry, as leaving it would give.
  if (kind == kByDescription && CBa->currentText().isEmpty()) CBDesdeExit(CBa);
  if (kind == kByDescription || kind == kByAlternateCode) {
    RewriteRangeBox(CBDesde, StartLiteral(kind, CBDesde->currentText()));
    RewriteRangeBox(CBa, EndLiteral(kind, CBa->currentText()));
  }
  accept();
}

void TFSelecc_RepDLL::RewriteRangeBox(QComboBox* box, const QString& literal) {
  if (!box->isEditable()) {
    box->setEditable(true);
    box->setCompleter(nullptr);
  }
  // The literal is the dialog's own text: no key filter and no length limit apply to it.
  box->setValidator(nullptr);
  box->lineEdit()->setMaxLength(32767);
  box->setEditText(literal);
}

void TFSelecc_RepDLL::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TFSelecc_RepDLL::FormClose() {
  for (QWidget* hidden :
       std::initializer_list<QWidget*>{LFechaIni, LFechaFinal, FromEdit, ToEdit, cbParam1, cbParam2,
                                       DetOTot, cbParam3, cbParam4, cbParam5, cbParam6})
    hidden->hide();
  cbParam3->setEnabled(false);
  SetDefaultCursor();
}

void TFSelecc_RepDLL::DetOTotClick() {
  const bool details = DetOTotDetalles->isChecked();
  cbOrdenacion->setVisible(details);
  LOrdenacion->setVisible(details);
  if (!cbParam3->isEnabled()) return;
  cbParam3->setVisible(details);
  if (!details) cbParam3->setChecked(false);
}

}  // namespace rep
