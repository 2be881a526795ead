#include "sheet/view/ColourChoice.h"

#include "sheet/model/Palette.h"

#include <QComboBox>
#include <QPixmap>

namespace velmora::sheet {

namespace {

QIcon swatch(QColor colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace

void fillColours(QComboBox* box, bool withNone, const QColor& current) {
    if (withNone)
        box->addItem(QStringLiteral("Keine"), QColor());
    for (const NamedColour& colour : paletteColours)
        box->addItem(swatch(QColor(colour.rgb)), QString::fromLatin1(colour.name), QColor(colour.rgb));
    int index = box->findData(current);
    if (index < 0 && current.isValid()) {
        box->addItem(swatch(current), current.name(), current);
        index = box->count() - 1;
    }
    box->setCurrentIndex(std::max(index, 0));
}

} // namespace velmora::sheet
