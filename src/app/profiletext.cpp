#include "app/profiletext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

namespace tervano::app::profiletext {

namespace {

const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray crlf = QByteArrayLiteral("\r\n");

struct Line
{
    qsizetype start = 0; // first byte of the line's text
    qsizetype end = 0;   // one past its text, before CR LF / LF
    qsizetype next = 0;  // first byte of the following line
};

enum class LineKind { Blank, Section, Entry, Other };

struct ParsedLine
{
    Line span;
    LineKind kind = LineKind::Other;
    QString name; // section or key name
    QByteArrayView valueBytes;
};

class Codec
{
public:
    explicit Codec(const QByteArray& content)
    {
        // Stateless, so text cut inside a sequence at the end counts as not UTF-8: a write
        // that adds a line after it must not change how the file is read.
        QStringDecoder probe(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = probe.decode(content);
        m_utf8 = !probe.hasError();
    }
    QString decode(QByteArrayView bytes) const
    {
        return m_utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    }
    QByteArray encode(const QString& text) const { return m_utf8 ? text.toUtf8() : text.toLatin1(); }

private:
    bool m_utf8 = true;
};

std::vector<Line> splitLines(const QByteArray& content)
{
    std::vector<Line> lines;
    qsizetype pos = content.startsWith(utf8Bom) ? utf8Bom.size() : 0;
    while (pos < content.size()) {
        Line line;
        line.start = pos;
        const qsizetype lf = content.indexOf('\n', pos);
        line.next = lf < 0 ? content.size() : lf + 1;
        line.end = lf < 0 ? content.size() : lf;
        if (line.end > line.start && content.at(line.end - 1) == '\r')
            --line.end;
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

ParsedLine parseLine(const QByteArray& content, const Line& span, const Codec& codec)
{
    ParsedLine parsed;
    parsed.span = span;
    const QByteArrayView text = QByteArrayView(content).sliced(span.start, span.end - span.start).trimmed();
    if (text.isEmpty()) {
        parsed.kind = LineKind::Blank;
    } else if (text.front() == '[') {
        parsed.kind = LineKind::Section;
        QByteArrayView name = text.sliced(1);
        const qsizetype close = name.indexOf(']');
        if (close >= 0)
            name = name.first(close);
        parsed.name = codec.decode(name.trimmed());
    } else if (text.front() != ';') {
        const qsizetype equals = text.indexOf('=');
        if (equals >= 0) {
            parsed.kind = LineKind::Entry;
            parsed.name = codec.decode(text.first(equals).trimmed());
            parsed.valueBytes = text.sliced(equals + 1).trimmed();
        }
    }
    return parsed;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The section's lines: the header's index and the index one past its last line.
struct SectionRange
{
    qsizetype header = -1;
    qsizetype end = -1;
};

struct Parsed
{
    std::vector<ParsedLine> lines;
    SectionRange section;
};

Parsed parse(const QByteArray& content, const QString& section, const Codec& codec)
{
    Parsed result;
    for (const Line& span : splitLines(content))
        result.lines.push_back(parseLine(content, span, codec));
    for (qsizetype i = 0; i < qsizetype(result.lines.size()); ++i) {
        const ParsedLine& line = result.lines[i];
        if (line.kind != LineKind::Section)
            continue;
        if (result.section.header >= 0) {
            result.section.end = i;
            break;
        }
        if (sameName(line.name, section))
            result.section.header = i;
    }
    if (result.section.header >= 0 && result.section.end < 0)
        result.section.end = qsizetype(result.lines.size());
    return result;
}

QString unquoted(QString value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

QStringList keys(const QByteArray& content, const QString& section)
{
    const Codec codec(content);
    const Parsed parsed = parse(content, section, codec);
    QStringList names;
    for (qsizetype i = parsed.section.header + 1; i < parsed.section.end; ++i)
        if (parsed.lines[i].kind == LineKind::Entry)
            names << parsed.lines[i].name;
    return names;
}

std::optional<QString> value(const QByteArray& content, const QString& section, const QString& key)
{
    const Codec codec(content);
    const Parsed parsed = parse(content, section, codec);
    for (qsizetype i = parsed.section.header + 1; i < parsed.section.end; ++i) {
        const ParsedLine& line = parsed.lines[i];
        if (line.kind == LineKind::Entry && sameName(line.name, key))
            return unquoted(codec.decode(line.valueBytes)).left(maxValueLength);
    }
    return std::nullopt;
}

QByteArray withValue(const QByteArray& content, const QString& section, const QString& key,
                     const QString& value)
{
    const Codec codec(content);
    const Parsed parsed = parse(content, section, codec);
    const QByteArray entry = codec.encode(key) + '=' + codec.encode(value);

    if (parsed.section.header < 0) {
        QByteArray result = content;
        if (!result.isEmpty() && result != utf8Bom && !result.endsWith('\n'))
            result += crlf;
        return result + '[' + codec.encode(section) + ']' + crlf + entry + crlf;
    }

    qsizetype lastFilled = parsed.section.header;
    for (qsizetype i = parsed.section.header + 1; i < parsed.section.end; ++i) {
        const ParsedLine& line = parsed.lines[i];
        if (line.kind == LineKind::Entry && sameName(line.name, key)) {
            QByteArray result = content;
            return result.replace(line.span.start, line.span.end - line.span.start, entry);
        }
        if (line.kind != LineKind::Blank)
            lastFilled = i;
    }
    const Line& after = parsed.lines[lastFilled].span;
    QByteArray result = content;
    // The file's last line without a line feed ("x" or "x\r"): the new entry needs its own.
    if (after.next == content.size() && !content.endsWith('\n'))
        return result.insert(after.next, crlf + entry + crlf);
    return result.insert(after.next, entry + crlf);
}

} // namespace tervano::app::profiletext
