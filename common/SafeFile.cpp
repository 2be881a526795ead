#include "common/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

class SystemFileSystem : public FileSystemSeam {
public:
    long write(int fd, const char* data, long size) override {
        return long(::write(fd, data, std::size_t(size)));
    }
    bool sync(int fd) override { return ::fsync(fd) == 0; }
    bool rename(const QString& source, const QString& target) override {
        return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
    }
};

FileSystemSeam* currentSeam = nullptr;

// The reason of the last failed call, as the user reads it.
QString reason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Der Zugriff wurde verweigert.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Das Verzeichnis gibt es nicht.");
    case EISDIR:
        return QStringLiteral("Unter diesem Namen gibt es schon etwas anderes als eine Datei.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    default:
        return QStringLiteral("Fehler %1 des Betriebssystems.").arg(error);
    }
}

[[noreturn]] void fail(const QString& path, int error) {
    throw WriteError(
        QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2").arg(path, reason(error)));
}

// A temporary file beside the target, removed unless it has been renamed over the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const QString& target) {
        QByteArray pattern = QFile::encodeName(target) + ".XXXXXX";
        m_fd = ::mkstemp(pattern.data());
        if (m_fd < 0)
            fail(target, errno);
        m_path = QFile::decodeName(pattern);
    }
    ~TemporaryFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_renamed)
            ::unlink(QFile::encodeName(m_path).constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }
    const QString& path() const { return m_path; }
    /// Closes the file; false with errno set when the close reports a late write error.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void renamed() { m_renamed = true; }

private:
    int m_fd = -1;
    QString m_path;
    bool m_renamed = false;
};

} // namespace

FileSystemSeam& fileSystem() {
    static SystemFileSystem system;
    return currentSeam ? *currentSeam : system;
}

void setFileSystem(FileSystemSeam* seam) {
    currentSeam = seam;
}

void writeFileSafely(const QString& name, const QByteArray& content) {
    // A link stays a link: the file it points to is the one replaced.
    const QFileInfo link(name);
    const QString path = link.isSymLink() && link.exists() ? link.canonicalFilePath() : name;
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        fail(path, EISDIR);
    TemporaryFile temporary(path);
    // A new file gets the permissions the user's umask gives; an existing one keeps its own.
    struct stat existing {};
    mode_t mode = 0666;
    if (::stat(QFile::encodeName(path).constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(temporary.fd(), mode);

    FileSystemSeam& system = fileSystem();
    const char* data = content.constData();
    long left = long(content.size());
    while (left > 0) {
        const long written = system.write(temporary.fd(), data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(path, written < 0 ? errno : ENOSPC);
        data += written;
        left -= written;
    }
    if (!system.sync(temporary.fd()))
        fail(path, errno);
    if (!temporary.close())
        fail(path, errno);
    if (!system.rename(temporary.path(), path))
        fail(path, errno);
    temporary.renamed();
}

bool tryWriteFileSafely(const QString& path, const QByteArray& content) {
    try {
        writeFileSafely(path, content);
        return true;
    } catch (const WriteError&) {
        return false;
    }
}

void moveFileSafely(const QString& source, const QString& target) {
    if (fileSystem().rename(source, target))
        return;
    if (errno != EXDEV)
        fail(target, errno);
    QFile file(source);
    if (!QFileInfo(source).isFile() || !file.open(QIODevice::ReadOnly))
        fail(target, ENOENT);
    writeFileSafely(target, file.readAll());
    file.close();
    QFile::remove(source);
}

} // namespace velmora
