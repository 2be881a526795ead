#pragma once

#include "windows/TMDIChild.h"
#include "windows/WindowType.h"

namespace velmora {

/// A result window that owns one record of its type; the window classes of the types derive from it
/// and add what is their own.
template <class Record>
class RecordWindow : public TMDIChild {
public:
    RecordWindow(MdiHost& host, const Record& record, QWidget* parent)
        : TMDIChild(host, record.type(), parent), m_record(record) {}

    const Record& record() const override { return m_record; }

protected:
    Record& mutableRecord() override { return m_record; }

private:
    Record m_record;
};

} // namespace velmora
