#include "windows/AnalysisForm.h"

#include "common/NumberText.h"

#include <algorithm>
#include <pwd.h>
#include <QDate>
#include <QLocale>
#include <unistd.h>

namespace velmora {

namespace {

template <double AnalysisInput::*field>
double& member(AnalysisInput& input) {
    return input.*field;
}

template <std::size_t ion>
double& total(AnalysisInput& input) {
    return input.totals[ion];
}

// The user's name from the system: the full name of the account, else its login.
QString userName() {
    if (const passwd* account = getpwuid(getuid())) {
        const QString fullName = QString::fromLocal8Bit(account->pw_gecos).section(u',', 0, 0).trimmed();
        return fullName.isEmpty() ? QString::fromLocal8Bit(account->pw_name) : fullName;
    }
    return {};
}

} // namespace

const std::array<AnalysisField, 17> analysisFields{{
    {u"pHe", member<&AnalysisInput::pHe>},
    {u"tpHe", member<&AnalysisInput::tpHe>},
    {u"KS43", member<&AnalysisInput::ks43>},
    {u"tKS43", member<&AnalysisInput::tKs43>},
    {u"KB82", member<&AnalysisInput::kb82>},
    {u"tKB82", member<&AnalysisInput::tKb82>},
    {u"DIC", member<&AnalysisInput::dic>},
    {u"mWert", member<&AnalysisInput::mWert>},
    {u"tb", member<&AnalysisInput::tb>},
    {u"k25", member<&AnalysisInput::k25>},
    {u"cCa", total<0>},
    {u"cMg", total<1>},
    {u"cNa", total<2>},
    {u"cK", total<3>},
    {u"cSO4", total<4>},
    {u"cNO3", total<5>},
    {u"cCl", total<6>},
}};

bool methodReadsField(int method, const AnalysisField& field) {
    const InputMethod& takes = inputMethod(method);
    const QStringView name(field.name);
    if (name == u"pHe")
        return takes.takesPh;
    if (name == u"KS43")
        return takes.takesKs43;
    if (name == u"KB82")
        return takes.takesKb82;
    if (name == u"DIC")
        return takes.takesDic;
    if (name == u"mWert")
        return takes.takesMValue;
    return true;
}

namespace {

// "-12,5" and the like, with the locale's separator: short enough that it can neither overflow nor
// underflow, and written as every locale with Western digits and the hyphen as minus sign writes it.
bool isPlainDecimal(QStringView text, QStringView separator) {
    constexpr qsizetype longest = 40;
    if (text.startsWith(u'-'))
        text = text.mid(1);
    const qsizetype point = text.indexOf(separator);
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + separator.size());
    const auto digitsOnly = [](QStringView digits) {
        return !digits.isEmpty() &&
               std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    return text.size() <= longest && digitsOnly(whole) && (point < 0 || digitsOnly(fraction));
}

} // namespace

bool isValidNumberText(const QString& text) {
    const QLocale locale;
    const QString separator = locale.decimalPoint();
    const QString other = separator == u"," ? QStringLiteral(".") : QStringLiteral(",");
    const QString normalised = QString(text).replace(other, separator);
    // The locale's conversion takes microseconds, and a laboratory file has a dozen numbers a row.
    if (locale.zeroDigit() == u"0" && locale.negativeSign() == u"-" && isPlainDecimal(normalised, separator))
        return true;
    bool ok = false;
    locale.toDouble(normalised, &ok);
    return ok;
}

AnalysisReading readAnalysisTexts(const std::function<QString(const QString& field)>& textOf,
                                  const QString& name, int method) {
    const QString invalid = QString::fromUtf16(invalidValuesMessage);
    for (const AnalysisField& field : analysisFields) {
        const QString fieldName = QString::fromUtf16(field.name);
        if (methodReadsField(method, field) && !isValidNumberText(textOf(fieldName)))
            return {std::nullopt, invalid, fieldName};
    }
    if (name.trimmed().isEmpty())
        return {std::nullopt, QString::fromUtf16(missingNameMessage), QStringLiteral("Analyse")};
    AnalysisInput input;
    for (const AnalysisField& field : analysisFields) {
        if (!methodReadsField(method, field))
            continue;
        const QString fieldName = QString::fromUtf16(field.name);
        const std::optional<double> value = readNumber(textOf(fieldName));
        if (!value || *value < 0)
            return {std::nullopt, invalid, fieldName};
        field.target(input) = *value;
    }
    return {input, {}, {}};
}

AnalysisHeader defaultAnalysisHeader() {
    return AnalysisHeader(QStringLiteral("Analyse"), userName(),
                          QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), {}, {});
}

} // namespace velmora
