#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

namespace tabrix {

/// Loads the designer's texts for `locale` from `directory`: "TabrixAP" + the language's three-letter
/// code (DEU) + ".qm", or failing that + its two-letter code (DE). Returns the file loaded; empty when
/// there is none, and the built-in English texts stay.
QString loadDesignerLanguage(QTranslator& translator, const QLocale& locale, const QString& directory);

} // namespace tabrix
