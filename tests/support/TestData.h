#pragma once

#include <QString>

namespace velmora::test {

/// A file below tests/<subsystem>/data or examples/ of the source tree.
inline QString testDataPath(const QString& relative) {
    return QStringLiteral(VELMORA_TEST_DATA_DIR "/") + relative;
}

inline QString examplesPath(const QString& relative) {
    return QStringLiteral(VELMORA_EXAMPLES_DIR "/") + relative;
}

} // namespace velmora::test
