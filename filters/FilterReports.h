#pragma once

#include "filters/FilterRecords.h"
#include "windows/MdiHost.h"
#include "windows/RecordWindow.h"

namespace velmora {

/// The activated-carbon window: the design sheet of an activated-carbon filter.
class TAKohleReport : public RecordWindow<CarbonFilterRecord> {
    Q_OBJECT
public:
    explicit TAKohleReport(MdiHost& host, const CarbonFilterRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

/// The iron-removal window: the design sheet of an iron and manganese removal filter.
class TFeMnReport : public RecordWindow<IronFilterRecord> {
    Q_OBJECT
public:
    explicit TFeMnReport(MdiHost& host, const IronFilterRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

/// The sand-filter window: the design sheet of a sand filter.
class TSandReport : public RecordWindow<SandFilterRecord> {
    Q_OBJECT
public:
    explicit TSandReport(MdiHost& host, const SandFilterRecord& record = {}, QWidget* parent = nullptr)
        : RecordWindow(host, record, parent) {}
};

} // namespace velmora
