#pragma once

#include "common/FixedRecord.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <QFile>

namespace velmora::test {

inline QByteArray goldenBytes(const char* name) {
    QFile file(testDataPath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

/// Where two byte strings first differ, or -1 where they are equal.
inline qsizetype firstDifference(const QByteArray& a, const QByteArray& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i)
        if (a[i] != b[i])
            return i;
    return a.size() == b.size() ? -1 : common;
}

/// Every prefix shorter than the file is refused and leaves the record as it was.
template <class Record>
void expectEveryPrefixRefused(const QByteArray& bytes) {
    const Record before;
    for (qsizetype length = 0; length < bytes.size(); length += 7) {
        Record record = before;
        EXPECT_THROW(record.decode(bytes.first(length)), FileError) << length;
        EXPECT_EQ(record.encode(), before.encode()) << length;
    }
}

/// The computed record writes the golden file's bytes, the file reads back to it, and every shorter
/// prefix is refused.
template <class Record>
void expectGoldenFile(const char* name, const Record& computed) {
    const QByteArray bytes = goldenBytes(name);
    EXPECT_EQ(firstDifference(computed.encode(), bytes), -1);
    Record read;
    read.decode(bytes);
    EXPECT_EQ(read.encode(), computed.encode());
    expectEveryPrefixRefused<Record>(bytes);
}

} // namespace velmora::test
