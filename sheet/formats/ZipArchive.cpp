#include "sheet/formats/ZipArchive.h"

#include "sheet/formats/GsfSupport.h"
#include "sheet/model/SheetError.h"

#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>
#include <QStringList>
#include <QXmlStreamReader>

namespace velmora::sheet {

namespace {

constexpr std::size_t readPiece = 64 * 1024;

// A directory of the archive nests no deeper than a real workbook's few levels.
constexpr int maxDepth = 16;

[[noreturn]] void damaged(const QString& reason) {
    throw SheetError(QStringLiteral("Die Datei ist beschädigt: %1.").arg(reason));
}

class Unpacker {
public:
    ZipEntries unpack(GsfInfile* archive) {
        unpackDirectory(archive, {}, 0);
        return std::move(m_entries);
    }

private:
    void unpackDirectory(GsfInfile* directory, const QString& prefix, int depth) {
        if (depth > maxDepth)
            damaged(QStringLiteral("Die Ordner des Archivs sind zu tief verschachtelt"));
        for (int i = 0, count = gsf_infile_num_children(directory); i < count; ++i) {
            const char* name = gsf_infile_name_by_index(directory, i);
            InputPointer child(gsf_infile_child_by_index(directory, i));
            if (!name || !child)
                damaged(QStringLiteral("Ein Eintrag des Archivs ist nicht lesbar"));
            const QString path = prefix + QString::fromUtf8(name);
            if (GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0)
                unpackDirectory(GSF_INFILE(child.get()), path + u'/', depth + 1);
            else
                readEntry(child.get(), path);
        }
    }

    void readEntry(GsfInput* input, const QString& path) {
        if (m_entries.size() >= maxZipEntries)
            damaged(QStringLiteral("Das Archiv hat mehr als %1 Einträge").arg(maxZipEntries));
        QByteArray& bytes = m_entries[path];
        // The size the archive names may be false: read piece by piece, never beyond the limit.
        while (gsf_input_remaining(input) > 0) {
            const std::size_t piece = std::size_t(std::min<gsf_off_t>(gsf_input_remaining(input), readPiece));
            if (m_unpacked + qint64(piece) > maxUnpackedSize)
                throw SheetError(QStringLiteral("Die Datei entpackt sich zu mehr als %1 MB und wird nicht "
                                                "gelesen.")
                                     .arg(maxUnpackedSize / (1024 * 1024)));
            const qsizetype at = bytes.size();
            bytes.resize(at + qsizetype(piece));
            if (!gsf_input_read(input, piece, reinterpret_cast<guint8*>(bytes.data() + at)))
                damaged(QStringLiteral("Der Eintrag „%1“ des Archivs ist unvollständig").arg(path));
            m_unpacked += qint64(piece);
        }
    }

    ZipEntries m_entries;
    qint64 m_unpacked = 0;
};

// The directory of `path` inside the archive, made on first use.
GsfOutfile* directoryOf(GsfOutfile* root, const QStringList& parts, std::map<QString, OutfilePointer>& made) {
    GsfOutfile* parent = root;
    QString path;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        path += parts[i] + u'/';
        OutfilePointer& directory = made[path];
        if (!directory)
            directory.reset(GSF_OUTFILE(gsf_outfile_new_child(parent, parts[i].toUtf8().constData(), TRUE)));
        if (!directory)
            throw SheetError(QStringLiteral("Das Archiv konnte nicht erzeugt werden."));
        parent = directory.get();
    }
    return parent;
}

} // namespace

bool looksLikeZip(QByteArrayView bytes) {
    return bytes.startsWith(QByteArrayView("PK\x03\x04", 4));
}

ZipEntries readZipArchive(QByteArrayView archive) {
    gsf_init();
    // Some of the zip reader's warnings come without a domain of their own.
    const QuietGsfWarnings quiet{"libgsf:zip", nullptr};
    InputPointer memory(gsf_input_memory_new(reinterpret_cast<const guint8*>(archive.data()),
                                             gsf_off_t(archive.size()), FALSE));
    GError* error = nullptr;
    InfilePointer zip(memory ? gsf_infile_zip_new(memory.get(), &error) : nullptr);
    g_clear_error(&error);
    if (!zip)
        damaged(QStringLiteral("Das Zip-Archiv ist nicht lesbar"));
    return Unpacker().unpack(zip.get());
}

QString firstElementText(const ZipEntries& entries, const QString& part, QStringView element) {
    const auto found = entries.find(part);
    if (found == entries.end())
        return {};
    QXmlStreamReader xml(found->second);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            return xml.readElementText(QXmlStreamReader::IncludeChildElements).left(1024);
    return {};
}

QByteArray writeZipArchive(const ZipEntries& entries) {
    gsf_init();
    OutputPointer memory(gsf_output_memory_new());
    GError* error = nullptr;
    OutfilePointer zip(gsf_outfile_zip_new(memory.get(), &error));
    g_clear_error(&error);
    if (!zip)
        throw SheetError(QStringLiteral("Das Archiv konnte nicht erzeugt werden."));
    bool written = true;
    {
        std::map<QString, OutfilePointer> directories;
        for (const auto& [path, bytes] : entries) {
            const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
            if (parts.isEmpty())
                continue;
            GsfOutfile* directory = directoryOf(zip.get(), parts, directories);
            OutputPointer file(gsf_outfile_new_child_full(directory, parts.back().toUtf8().constData(), FALSE,
                                                          "compression-level", GSF_ZIP_STORED, nullptr));
            written = written && file &&
                      gsf_output_write(file.get(), std::size_t(bytes.size()),
                                       reinterpret_cast<const guint8*>(bytes.constData())) &&
                      gsf_output_close(file.get());
        }
        for (auto it = directories.rbegin(); it != directories.rend(); ++it)
            written = gsf_output_close(GSF_OUTPUT(it->second.get())) && written;
    }
    written = gsf_output_close(GSF_OUTPUT(zip.get())) && written;
    if (!written)
        throw SheetError(QStringLiteral("Das Archiv konnte nicht erzeugt werden."));
    GsfOutputMemory* bytes = GSF_OUTPUT_MEMORY(memory.get());
    return QByteArray(reinterpret_cast<const char*>(gsf_output_memory_get_bytes(bytes)),
                      qsizetype(gsf_output_size(memory.get())));
}

} // namespace velmora::sheet
