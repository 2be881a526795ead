#pragma once

#include <QList>
#include <QString>

namespace velmora {

/// The program-wide counter behind "-0", "-1", ... of window titles: 0 at start, never reset.
int& uniqueTitleCounter();

/// `title` with "-" and the counter appended (the counter then incremented) as long as one of `captions`
/// equals it; captions are compared as file names, without regard to case.
QString makeTitleUnique(const QString& title, const QList<QString>& captions);

} // namespace velmora
