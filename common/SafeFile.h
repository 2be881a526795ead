#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace velmora {

/// How a safe write reaches the file system: the system's calls by default. Tests put in one that
/// fails where they want it to, as they answer dialogs through the dialog seam.
class FileSystemSeam {
public:
    virtual ~FileSystemSeam() = default;

    /// Writes up to `size` bytes to `fd`; the number written, or -1 with errno set.
    virtual long write(int fd, const char* data, long size) = 0;
    /// Makes what was written to `fd` durable; false with errno set.
    virtual bool sync(int fd) = 0;
    /// Replaces `target` by `source` in one step; false with errno set.
    virtual bool rename(const QString& source, const QString& target) = 0;
};

/// The program-wide seam: the system's calls unless a test has set its own.
FileSystemSeam& fileSystem();
/// Replaces the program-wide seam; nullptr restores the system's calls. The caller keeps ownership.
void setFileSystem(FileSystemSeam* seam);

/// A file that could not be written; the old file, if any, is as it was.
class WriteError : public std::runtime_error {
public:
    explicit WriteError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

/// Writes `content` as the file `path`, whole or not at all: into a new file beside it, every write
/// and the flush to the disk checked, then renamed over `path`. An existing file keeps its permissions;
/// a link keeps pointing to the file, which is the one replaced.
/// Throws WriteError (with the system's reason in German) and leaves an existing file byte for byte.
void writeFileSafely(const QString& path, const QByteArray& content);

/// writeFileSafely for callers that tell the user in their own words: false when the file could not be
/// written (the old one is as it was).
bool tryWriteFileSafely(const QString& path, const QByteArray& content);

/// Moves `source` to `target`, replacing a file there only once the whole content has arrived: one
/// rename on the same file system, else a safe write of the copy before the source is removed. Throws
/// WriteError and leaves both files as they were when the move fails.
void moveFileSafely(const QString& source, const QString& target);

} // namespace velmora
