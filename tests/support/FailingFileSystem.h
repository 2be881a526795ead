#pragma once

#include "common/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <QFile>
#include <unistd.h>

namespace velmora::test {

/// The file system as a full disk sees it: the first `bytesLeft` bytes are written, then every write
/// fails with "no space"; optionally the flush or the rename fails instead. Installed as the program-wide
/// seam for its lifetime.
class FailingFileSystem : public FileSystemSeam {
public:
    explicit FailingFileSystem(long bytesLeft = 0) : bytesLeft(bytesLeft) { setFileSystem(this); }
    ~FailingFileSystem() override { setFileSystem(nullptr); }

    long write(int fd, const char* data, long size) override {
        if (bytesLeft <= 0) {
            errno = ENOSPC;
            return -1;
        }
        const long written = long(::write(fd, data, std::size_t(std::min(size, bytesLeft))));
        bytesLeft -= written;
        return written;
    }
    bool sync(int fd) override {
        if (syncFails) {
            errno = EIO;
            return false;
        }
        return ::fsync(fd) == 0;
    }
    bool rename(const QString& source, const QString& target) override {
        if (renameFails) {
            errno = EACCES;
            return false;
        }
        return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
    }

    long bytesLeft;
    bool syncFails = false;
    bool renameFails = false;
};

} // namespace velmora::test
