#pragma once

namespace velmora::sheet {

/// File-type codes of the component's formats.
enum FileCode : int {
    TextCode = 3,     ///< ".txt", tab-separated cell texts
    Excel5Code = 4,   ///< ".xls", BIFF5 (Excel 5/95)
    HtmlCode = 9,     ///< ".htm", one table per sheet
    Excel97Code = 11, ///< ".xls", BIFF8 (Excel 97)
    NativeCode = 12,  ///< ".vts", the component's own workbook format
    XlsxCode = 13,    ///< ".xlsx", Office Open XML (Excel 2007 to 365)
    OdsCode = 14,     ///< ".ods", OpenDocument spreadsheet; read only
};

} // namespace velmora::sheet
