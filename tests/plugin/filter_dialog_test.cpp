#include "plugin/dialog/filter_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "plugin/screen_cursor.h"
#include "shop_fixture.h"

namespace rep {
namespace {

class FilterDialog : public reptest::ShopFixture {
 protected:
  void SetUp() override {
    ShopFixture::SetUp();
    for (int code : {40, 7, 300}) AddArticle(code, "ART" + std::to_string(code), 1);
    dialog_.Tabla.SetRemoteServer(shop_.get());
    dialog_.SetErrorReporter([this](const QString& message) { errors_ << message; });
    TFSelecc_RepDLL::FillOptionList(dialog_.cbSeleccionar, 39);
    TFSelecc_RepDLL::FillOptionList(dialog_.cbOrdenacion, 1);
  }

  void Open() {
    dialog_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog_));
    QTest::qWait(1);  // the activation runs from the event loop
  }

  void Select(const char* caption) {
    dialog_.cbSeleccionar->setCurrentIndex(dialog_.cbSeleccionar->findText(caption));
    dialog_.cbSeleccionarChange();
  }

  static QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }

  TFSelecc_RepDLL dialog_;
  QStringList errors_;
};

TEST_F(FilterDialog, FirstDisplayPresetsTheRangeToTheFirstAndLastCodeReceived) {
  Open();
  EXPECT_EQ(dialog_.windowTitle(), "Filtro de reporte");
  EXPECT_EQ(dialog_.size(), QSize(394, 250));
  EXPECT_EQ(dialog_.cbSeleccionar->currentText(), "Código");
  EXPECT_EQ(dialog_.SelectionKind(), 1);
  EXPECT_EQ(Items(dialog_.CBDesde), (QStringList{"7", "40", "300"}));
  EXPECT_EQ(dialog_.FromText(), "7");
  EXPECT_EQ(dialog_.ToText(), "300");
  EXPECT_TRUE(dialog_.CBDesde->isEditable());
  EXPECT_TRUE(dialog_.Barra->currentMessage().isEmpty());
  EXPECT_FALSE(IsWaitCursorSet());
  EXPECT_TRUE(dialog_.FromEdit->isHidden());
  EXPECT_FALSE(dialog_.LOrdenacion->isHidden());
}

TEST_F(FilterDialog, OptionListsCarryTheirCodes) {
  QComboBox box;
  TFSelecc_RepDLL::FillOptionList(&box, 39);
  QList<int> codes;
  for (int i = 0; i < box.count(); ++i) codes << box.itemData(i).toInt();
  EXPECT_EQ(codes, (QList<int>{1, 2, 4, 5, 6, 7}));
  TFSelecc_RepDLL::FillOptionList(&box, 2);
  EXPECT_EQ(box.count(), 5);
  TFSelecc_RepDLL::FillOptionList(&box, 3);
  EXPECT_EQ(box.count(), 0);
}

TEST_F(FilterDialog, CodeBoxesTakeDigitsOnly) {
  Open();
  QLineEdit* edit = dialog_.CBDesde->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, "1a2-");
  EXPECT_EQ(edit->text(), "12");
}

TEST_F(FilterDialog, DescriptionBoxesHoldOneRaisedCharacter) {
  Open();
  Select("Descripción");
  EXPECT_EQ(dialog_.CBDesde->count(), 43);
  EXPECT_EQ(dialog_.FromText(), "0");
  EXPECT_EQ(dialog_.ToText(), "Z");
  QLineEdit* edit = dialog_.CBDesde->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, "bc");
  EXPECT_EQ(edit->text(), "B");
  dialog_.BitBtn1Click();
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
  EXPECT_EQ(dialog_.FromText(), "'B'");
  EXPECT_EQ(dialog_.ToText(), "'Z'");
}

TEST_F(FilterDialog, PastedTextThatTheKeyFilterWouldStopNeverReachesTheRange) {
  Open();
  QLineEdit* edit = dialog_.CBDesde->lineEdit();
  edit->selectAll();
  edit->insert("1 or 1=1; DROP TABLE Mnlus");  // what a paste or a drop inserts
  EXPECT_EQ(edit->text(), "7");
  // Text put in behind the validator's back is refused at OK.
  dialog_.CBDesde->setValidator(nullptr);
  edit->setText("1 or 1=1");
  dialog_.BitBtn1Click();
  EXPECT_NE(dialog_.result(), QDialog::Accepted);
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(FilterDialog, GroupNamesBecomeTheirPositions) {
  Open();
  Select("Grupo 2");
  EXPECT_FALSE(dialog_.CBDesde->isEditable());
  EXPECT_EQ(dialog_.CBDesde->count(), 8);
  dialog_.CBDesde->setCurrentIndex(2);
  dialog_.CBa->setCurrentIndex(4);
  dialog_.BitBtn1Click();
  EXPECT_EQ(dialog_.FromText(), "3");
  EXPECT_EQ(dialog_.ToText(), "5");
  EXPECT_TRUE(dialog_.CBDesde->isEditable());
}

TEST_F(FilterDialog, AnEmptiedBoxGetsItsFirstEntryBackOnExit) {
  Open();
  dialog_.CBa->lineEdit()->clear();
  dialog_.CBDesdeExit(dialog_.CBa);
  EXPECT_EQ(dialog_.ToText(), "7");
}

TEST_F(FilterDialog, AnEmptyDescriptionEndTakesTheFirstEntry) {
  Open();
  Select("Descripción");
  dialog_.CBa->lineEdit()->clear();
  dialog_.BitBtn1Click();
  EXPECT_EQ(dialog_.ToText(), "'0'");
}

TEST_F(FilterDialog, CancelLeavesTheTextsAsTheyWere) {
  Open();
  Select("Descripción");
  QTest::keyClick(&dialog_, Qt::Key_Escape);
  EXPECT_EQ(dialog_.result(), QDialog::Rejected);
  EXPECT_EQ(dialog_.FromText(), "0");
}

TEST_F(FilterDialog, AFailingPickListIsReportedAndTheDialogStaysOpen) {
  Open();
  shop_->ExecuteStatement("DROP TABLE Grupo3");
  Select("Grupo 3");
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_NE(errors_[0].indexOf("Grupo3"), -1) << errors_[0].toStdString();
  EXPECT_TRUE(dialog_.isVisible());
  EXPECT_EQ(dialog_.Barra->currentMessage(), "Espere un momento por favor.....");
  EXPECT_TRUE(IsWaitCursorSet());
  Select("Grupo 1");
  EXPECT_FALSE(IsWaitCursorSet());
  EXPECT_EQ(dialog_.CBDesde->count(), 12);
}

TEST_F(FilterDialog, NoArticlesGiveTheSingleEntryOne) {
  shop_->ExecuteStatement("DELETE FROM Mnlus");
  Open();
  EXPECT_EQ(Items(dialog_.CBDesde), QStringList{"1"});
  EXPECT_EQ(Items(dialog_.CBa), QStringList{"1"});
}

}  // namespace
}  // namespace rep
