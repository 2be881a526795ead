#include "windows/AnalysisForm.h"

#include <gtest/gtest.h>
#include <QLocale>

using namespace velmora;

namespace {

// The check as the locale alone makes it, which the quick path for plain decimals must agree with.
bool acceptedByTheLocale(const QString& text) {
    const QLocale locale;
    const QString separator = locale.decimalPoint();
    const QString other = separator == u"," ? QStringLiteral(".") : QStringLiteral(",");
    bool ok = false;
    locale.toDouble(QString(text).replace(other, separator), &ok);
    return ok;
}

} // namespace

TEST(NumberCheck, PlainDecimalsAreJudgedAsTheLocaleJudgesThem) {
    const QStringList texts{
        QStringLiteral("0"),
        QStringLiteral("7"),
        QStringLiteral("-3"),
        QStringLiteral("2,45"),
        QStringLiteral("2.45"),
        QStringLiteral("-0.5"),
        QStringLiteral("007,250"),
        QStringLiteral("1.000,5"),
        QStringLiteral("1,000.5"),
        QStringLiteral("12,"),
        QStringLiteral(",5"),
        QStringLiteral("-"),
        QStringLiteral(""),
        QStringLiteral(" 4"),
        QStringLiteral("4 "),
        QStringLiteral("+4"),
        QStringLiteral("1e3"),
        QStringLiteral("--1"),
        QStringLiteral("1-"),
        QStringLiteral("4,5,6"),
        QStringLiteral("0x10"),
        QStringLiteral("٣"),
        QStringLiteral("2.4500000000000002"),
        QString(39, u'9'),
        QString(41, u'9'),
        QStringLiteral("0,") + QString(38, u'0'),
        QString(400, u'9'),
        QStringLiteral("0.") + QString(400, u'0') + u'1',
    };
    const QLocale before;
    for (const char* name : {"C", "de_DE", "en_US", "fr_FR", "de_CH", "ar_EG", "fa_IR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        for (const QString& text : texts)
            EXPECT_EQ(isValidNumberText(text), acceptedByTheLocale(text))
                << name << " \"" << text.toStdString() << '"';
    }
    QLocale::setDefault(before);
}
