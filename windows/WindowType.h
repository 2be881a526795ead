#pragma once

#include <array>
#include <QString>

namespace velmora {

/// The ten types of result window, in the order in which the program registers their data files and
/// lists them as project categories.
enum class WindowKind {
    Water,
    Mixing,
    Temperature,
    RapidDecarbonisation,
    HDecarbonisation,
    Softening,
    Corrosion,
    CarbonFilter,
    IronFilter,
    SandFilter,
};

/// Which caption and status-bar text the chart commands "pH" and "SI" show while a window is active.
enum class ChartCaptions { Plain, Mixing, Temperature };

/// What a window type does to the calculation and chart commands when it becomes active or closes.
struct CommandRule {
    bool enablesMixing;        ///< "Mischwasserberechnung"
    bool enablesWaterCommands; ///< "&Temperaturabhängigkeit", "&Zugabe Säure/Lauge", "&Entsäuerung", ...
    ChartCaptions charts;      ///< Plain leaves "pH" and "SI" disabled; the others enable them
    bool closeDisablesWaterCommands; ///< closing also disables "Mischwasserberechnung" and the water commands
};

/// Everything the program knows of a result-window type apart from its class: the template, the data
/// file and its records, the texts of the file dialogs and the desktop, and the command rule.
struct WindowType {
    WindowKind kind;
    const char16_t* kindName;        ///< selects the template; fallback file name of "Speichern unter"
    const char16_t* templateFile;    ///< in "Vorlagen/" below the program directory
    const char16_t* extension;       ///< of the data file, with its dot
    int recordCount;                 ///< records in the data file, one after the other
    qsizetype recordSize;            ///< bytes of one record
    qsizetype captionOffset;         ///< offset of the analysis name that titles a loaded window
    const char16_t* saveFilter;      ///< first entry of "Speichern unter"
    const char16_t* openFilter;      ///< entry of the "Öffnen" dialog
    const char16_t* typeName;        ///< the desktop's name of the file type; last part of its MIME type
    const char16_t* description;     ///< shown by file managers
    const char16_t* hint;            ///< the window's tool tip
    const char16_t* helpPage;        ///< in "Hilfe/"; F1 inside the window's sheet
    const char16_t* projectCategory; ///< the category node of the project tree
    CommandRule commands;

    QString name() const { return QString::fromUtf16(kindName); }
    QString fileExtension() const { return QString::fromUtf16(extension); }
    /// The size of a data file of this type: every record.
    qsizetype fileSize() const { return recordCount * recordSize; }
};

/// The table of window types, in WindowKind order.
extern const std::array<WindowType, 10> windowTypes;

const WindowType& windowTypeOf(WindowKind kind);
/// The type whose data files have the extension of `fileName` (compared without regard to case);
/// nullptr for any other name.
const WindowType* windowTypeOfFile(const QString& fileName);

} // namespace velmora
