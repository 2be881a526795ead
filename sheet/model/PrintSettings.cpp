#include "sheet/model/PrintSettings.h"

namespace velmora::sheet {

PageMarginText pageMarginText(const QString& codes, const PageFacts& facts) {
    PageMarginText parts;
    QString* part = &parts.centre;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (codes[i] != u'&' || i + 1 == codes.size()) {
            part->append(codes[i]);
            continue;
        }
        switch (codes[++i].toUpper().unicode()) {
        case u'L':
            part = &parts.left;
            break;
        case u'C':
            part = &parts.centre;
            break;
        case u'R':
            part = &parts.right;
            break;
        case u'F':
            part->append(facts.title);
            break;
        case u'A':
            part->append(facts.sheetName);
            break;
        case u'P':
            part->append(QString::number(facts.page));
            break;
        case u'N':
            part->append(QString::number(facts.pages));
            break;
        case u'D':
            part->append(facts.date);
            break;
        case u'T':
            part->append(facts.time);
            break;
        case u'&':
            part->append(u'&');
            break;
        default: // an unknown code stands as typed
            part->append(u'&');
            part->append(codes[i]);
        }
    }
    return parts;
}

} // namespace velmora::sheet
