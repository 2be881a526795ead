#include "designer/DocumentWindow.h"

#include "designer/DesignerDocument.h"
#include "sheet/view/SheetBook.h"

#include <QVBoxLayout>

namespace tabrix {

DocumentWindow::DocumentWindow(DesignerDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document),
      m_book(new velmora::sheet::SheetBook(document.sharedContent(), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_book);
    setFocusProxy(m_book);
    m_book->setShowEditBar(true);
    m_book->setShowEditBarCellRef(true);
}

} // namespace tabrix
