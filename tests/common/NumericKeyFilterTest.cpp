#include "common/NumericKeyFilter.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using velmora::NumericKeyFilter;

namespace {

void type(QWidget* widget, QChar c) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text)
        type(widget, c);
}

} // namespace

TEST(NumericKeyFilter, PassesDigitsAndTurnsSeparatorsIntoTheLocales) {
    QLineEdit edit;
    NumericKeyFilter::install(&edit);
    typeText(&edit, QStringLiteral("1a2.5x,ü-"));
    EXPECT_EQ(edit.text(), QStringLiteral("12,5,"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("12,5"));
}

TEST(NumericKeyFilter, VariantsForMinusAndWholeNumbers) {
    QLineEdit signedEdit;
    NumericKeyFilter::install(&signedEdit, NumericKeyFilter::Mode::DecimalWithMinus);
    typeText(&signedEdit, QStringLiteral("-3.5"));
    EXPECT_EQ(signedEdit.text(), QStringLiteral("-3,5"));

    QLineEdit wholeEdit;
    NumericKeyFilter::install(&wholeEdit, NumericKeyFilter::Mode::WholeNumber);
    typeText(&wholeEdit, QStringLiteral("-3.5,7"));
    EXPECT_EQ(wholeEdit.text(), QStringLiteral("357"));
}

TEST(NumericKeyFilter, PasteChordsEmptyTheEditAndTheClipboard) {
    QLineEdit edit;
    NumericKeyFilter::install(&edit);
    typeText(&edit, QStringLiteral("42"));
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QString());

    typeText(&edit, QStringLiteral("7"));
    QTest::keyClick(&edit, Qt::Key_Insert);
    EXPECT_EQ(edit.text(), QString());
}

TEST(NumericKeyFilter, MovingBackWithShiftTabKeepsTheText) {
    QLineEdit edit;
    NumericKeyFilter::install(&edit);
    typeText(&edit, QStringLiteral("42"));
    QTest::keyRelease(&edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyRelease(&edit, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("42"));
}

TEST(NumericKeyFilter, AComboBoxGoesToItsSecondEntry) {
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    combo.setCurrentIndex(2);
    NumericKeyFilter::install(&combo);
    QTest::keyClick(&combo, Qt::Key_Insert);
    EXPECT_EQ(combo.currentIndex(), 1);
}
