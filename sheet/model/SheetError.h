#pragma once

#include <QString>
#include <stdexcept>

namespace velmora::sheet {

/// The one error of the spreadsheet component: a file that cannot be read or written, a designer that
/// cannot be started, or an operation the user cancelled (isCancelled()).
class SheetError : public std::runtime_error {
public:
    enum class Kind { Failure, Cancelled };

    explicit SheetError(const QString& message, Kind kind = Kind::Failure)
        : std::runtime_error(message.toStdString()), m_kind(kind) {}

    static SheetError cancelled() { return SheetError(QStringLiteral("Abgebrochen"), Kind::Cancelled); }

    QString message() const { return QString::fromStdString(what()); }
    bool isCancelled() const { return m_kind == Kind::Cancelled; }

private:
    Kind m_kind;
};

} // namespace velmora::sheet
