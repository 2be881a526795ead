#include "common/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velmora {

namespace {

// Debian's Qt resolves this name through ICU; encodingForName() does not know it.
constexpr const char* codePageName = "windows-1252";

} // namespace

QByteArray toCp1252(const QString& text) {
    QStringEncoder encoder(codePageName);
    QByteArray bytes = encoder.encode(text);
    // ICU marks characters the code page lacks with the substitute control byte; files of the program
    // have always shown them as "?".
    bytes.replace('\x1a', '?');
    return bytes;
}

QString fromCp1252(QByteArrayView bytes) {
    QStringDecoder decoder(codePageName);
    return decoder.decode(bytes);
}

QString decodeTextFile(const QByteArray& content) {
    QString text = isUtf8(content) ? QString::fromUtf8(content) : fromCp1252(content);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

bool isUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

} // namespace velmora
