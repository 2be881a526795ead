#include "sheet/formats/XlsReader.h"

#include "sheet/formats/BiffReader.h"
#include "sheet/formats/GsfSupport.h"
#include "sheet/model/SheetError.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

namespace velmora::sheet {

namespace {

const QByteArray compoundFileSignature = QByteArray::fromHex("d0cf11e0a1b11ae1");

[[noreturn]] void notAWorkbook() {
    throw SheetError(QStringLiteral("Die Datei ist keine Excel-Arbeitsmappe."));
}

// The workbook stream of a compound file. Its name is compared without case, as other programs do.
QByteArray compoundWorkbookStream(const QByteArray& file) {
    gsf_init();
    const QuietGsfWarnings quiet{"libgsf:msole"};
    InputPointer memory(gsf_input_memory_new(reinterpret_cast<const guint8*>(file.constData()),
                                             gsf_off_t(file.size()), FALSE));
    GError* error = nullptr;
    InfilePointer compound(memory ? gsf_infile_msole_new(memory.get(), &error) : nullptr);
    g_clear_error(&error);
    if (!compound)
        throw SheetError(QStringLiteral("Die Datei ist keine lesbare Excel-Arbeitsmappe: Der Verbund aus "
                                        "Datenströmen ist beschädigt."));
    InputPointer stream;
    for (const char* name : {"Workbook", "Book"}) {
        for (int i = 0, count = gsf_infile_num_children(compound.get()); i < count && !stream; ++i) {
            const char* child = gsf_infile_name_by_index(compound.get(), i);
            if (child && qstricmp(child, name) == 0)
                stream.reset(gsf_infile_child_by_index(compound.get(), i));
        }
    }
    if (!stream)
        notAWorkbook();
    // A stream's sectors may be chained in a loop; it cannot be longer than the file that holds it.
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || size > gsf_off_t(file.size()))
        throw SheetError(
            QStringLiteral("Die Excel-Arbeitsmappe ist beschädigt: Der Datenstrom ist länger als "
                           "die Datei."));
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (size > 0 && !gsf_input_read(stream.get(), std::size_t(size), reinterpret_cast<guint8*>(bytes.data())))
        throw SheetError(QStringLiteral("Die Excel-Arbeitsmappe ist beschädigt: Der Datenstrom ist "
                                        "unvollständig."));
    return bytes;
}

} // namespace

bool looksLikeXls(QByteArrayView bytes) {
    return bytes.startsWith(compoundFileSignature) || startsLikeBiffStream(bytes);
}

Workbook readXls(const QByteArray& file, int& code) {
    if (file.startsWith(compoundFileSignature))
        return readBiffStream(compoundWorkbookStream(file), code);
    if (startsLikeBiffStream(file))
        return readBiffStream(file, code);
    notAWorkbook();
}

} // namespace velmora::sheet
