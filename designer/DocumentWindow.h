#pragma once

#include <QWidget>

namespace velmora::sheet {
class SheetBook;
}

namespace tabrix {

class DesignerDocument;

/// One window onto a document: its own view of the shared workbook, with the edit bar shown.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    DocumentWindow(DesignerDocument& document, QWidget* parent = nullptr);

    DesignerDocument& document() const { return m_document; }
    velmora::sheet::SheetBook& book() const { return *m_book; }

private:
    DesignerDocument& m_document;
    velmora::sheet::SheetBook* m_book;
};

} // namespace tabrix
