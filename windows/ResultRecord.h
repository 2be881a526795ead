#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

namespace velmora {

struct WindowType;

/// What a result window shows and saves, apart from any widget: its records as the data file holds
/// them and the texts of its template's markers. Every window type has one; a window owns its copy.
class ResultRecord {
public:
    virtual ~ResultRecord() = default;

    virtual const WindowType& type() const = 0;
    /// The data file's bytes: the type's records one after the other.
    virtual QByteArray encode() const = 0;
    /// Takes over the records at the start of `bytes`; throws FileError and changes nothing when they
    /// cannot be read.
    virtual void decode(QByteArrayView bytes) = 0;
    /// The text a template cell shows instead of `cellText`; empty for a cell that stays as it is.
    virtual std::optional<QString> markerText(const QString& cellText) const = 0;
};

} // namespace velmora
