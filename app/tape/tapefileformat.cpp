#include "app/tape/tapefileformat.h"

#include "app/tape/tapeline.h"

#include <QFile>

#include <sys/stat.h>

namespace tapefileformat {

const QByteArray Header = QByteArrayLiteral("roman-calculator-tape\t1\n");

FileIdentity identity(int handle)
{
    struct stat status;
    return ::fstat(handle, &status) == 0 ? FileIdentity {status.st_dev, status.st_ino}
                                         : FileIdentity {};
}

namespace {

// A text too long for a line of the file keeps its beginning and its end, as
// the tape does with a long calculation.
QString shortened(const QString &text)
{
    if (text.size() <= LongestText)
        return text;
    qsizetype head = LongestText / 2, tail = LongestText / 2;
    if (text[head - 1].isHighSurrogate())
        --head;
    if (text[text.size() - tail].isLowSurrogate())
        --tail;
    return text.first(head) + QStringLiteral(" \u2026 ") + text.last(tail);
}

} // namespace

QByteArray fileLine(TapeEntry entry)
{
    entry.decimal = shortened(entry.decimal);
    entry.roman = shortened(entry.roman);
    return tapeLine(entry) + '\n';
}

std::size_t newestFitting(const std::deque<TapeEntry> &entries)
{
    std::size_t count = 0;
    for (qint64 bytes = Header.size(); count < std::min(entries.size(), TapeFile::Kept); ++count)
        if ((bytes += fileLine(entries[entries.size() - count - 1]).size()) > KeptBytes)
            break;
    return count;
}

std::deque<TapeEntry> newestOnly(std::deque<TapeEntry> entries)
{
    entries.erase(entries.begin(), entries.end() - newestFitting(entries));
    return entries;
}

std::optional<TapeFile::Read> parsed(QByteArrayView data)
{
    TapeFile::Read read;
    for (qsizetype start = 0, end; (end = data.indexOf('\n', start)) >= 0; start = end + 1) {
        std::optional<TapeEntry> entry = readTapeLine(data.sliced(start, end - start));
        if (!entry)
            return std::nullopt;
        read.entries.push_back(std::move(*entry));
        if (read.entries.size() > TapeFile::Kept)
            read.entries.pop_front();
    }
    return read;
}

std::optional<TapeFile::Read> newestOf(QFile &file)
{
    const qint64 size = file.size();
    const QByteArray head = file.seek(0) ? file.read(Header.size()) : QByteArray();
    if (head != Header)
        // A crash can tear the first line too.
        return Header.startsWith(head) ? std::optional(TapeFile::Read()) : std::nullopt;
    const qint64 from = std::max<qint64>(Header.size(), size - ReadLimit);
    if (!file.seek(from))
        return std::nullopt;
    const QByteArray data = file.read(size - from);
    // Past the limit the first line read is cut: the next one starts whole.
    const qsizetype start = from == Header.size() ? 0 : data.indexOf('\n') + 1;
    if (start == 0 && from > Header.size())
        return std::nullopt;
    return parsed(QByteArrayView(data).sliced(start));
}

std::optional<qint64> wholeEnd(QFile &file)
{
    const qint64 size = file.size();
    const QByteArray head = file.read(Header.size());
    if (head != Header && !Header.startsWith(head))
        return std::nullopt;
    if (size == 0 || (file.seek(size - 1) && file.read(1) == "\n"))
        return size;
    const qint64 from = std::max<qint64>(0, size - LongestLine);
    if (!file.seek(from))
        return std::nullopt;
    const qsizetype lastEnd = file.read(size - from).lastIndexOf('\n');
    if (lastEnd < 0 && from > 0)
        return std::nullopt;
    return from + lastEnd + 1;
}

} // namespace tapefileformat
