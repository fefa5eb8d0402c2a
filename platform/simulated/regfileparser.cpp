#include "platform/simulated/regfileparser.h"

#include "platform/simulated/regkeynode.h"

#include <QTextCodec>

namespace {

// The registry's own limit; it also bounds the recursion of tree teardown.
constexpr int MaxKeyDepth = 512;

struct Hive
{
    const char *longName;
    const char *shortName;
};

constexpr Hive Hives[] = {
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_CLASSES_ROOT", "HKCR"},
    {"HKEY_USERS", "HKU"},
    {"HKEY_CURRENT_CONFIG", "HKCC"},
};

QString hiveName(const QString &name)
{
    for (const Hive &hive : Hives) {
        if (name.compare(QLatin1String(hive.longName), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String(hive.shortName), Qt::CaseInsensitive) == 0)
            return QLatin1String(hive.longName);
    }
    return QString();
}

bool isHeader(const QString &line)
{
    return line.compare(QLatin1String("Windows Registry Editor Version 5.00"), Qt::CaseInsensitive) == 0
        || line.compare(QLatin1String("REGEDIT4"), Qt::CaseInsensitive) == 0;
}

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// One to eight hex digits, nothing else.
bool readHexNumber(const QString &text, quint32 *number)
{
    if (text.isEmpty() || text.size() > 8)
        return false;
    quint32 result = 0;
    for (const QChar c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return false;
        result = result << 4 | quint32(digit);
    }
    *number = result;
    return true;
}

// Reads a quoted string starting at `*pos`; only \\ and \" are escapes there.
bool readQuoted(const QString &line, int *pos, QString *text)
{
    QString result = QLatin1String("");
    for (int i = *pos + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            *pos = i + 1;
            *text = result;
            return true;
        }
        if (c == QLatin1Char('\\') && i + 1 < line.size()
            && (line.at(i + 1) == QLatin1Char('\\') || line.at(i + 1) == QLatin1Char('"')))
            ++i;
        result += line.at(i);
    }
    return false;
}

// "01,ab,\t 2" with an optional trailing comma; empty text is no bytes.
bool readHexBytes(const QString &text, QByteArray *bytes)
{
    bytes->clear();
    if (text.trimmed().isEmpty())
        return true;
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    bytes->reserve(parts.size());
    for (int i = 0; i < parts.size(); ++i) {
        const QString part = parts.at(i).trimmed();
        if (part.isEmpty() && i == parts.size() - 1)
            break;
        quint32 byte = 0;
        if (part.size() > 2 || !readHexNumber(part, &byte))
            return false;
        bytes->append(char(byte));
    }
    return true;
}

QByteArray toUtf16Le(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2 + 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

// The data after "=": type and bytes as the registry would store them.
bool readData(const QString &data, quint32 *type, QByteArray *bytes)
{
    if (data.startsWith(QLatin1Char('"'))) {
        int pos = 0;
        QString text;
        if (!readQuoted(data, &pos, &text) || !data.midRef(pos).trimmed().isEmpty())
            return false;
        *type = RegKeyNode::RegSz;
        *bytes = toUtf16Le(text) + QByteArray(2, '\0');
        return true;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        quint32 number = 0;
        if (!readHexNumber(data.mid(6).trimmed(), &number))
            return false;
        *type = RegKeyNode::RegDword;
        bytes->clear();
        for (int shift = 0; shift < 32; shift += 8)
            bytes->append(char(number >> shift & 0xff));
        return true;
    }
    if (!data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive))
        return false;
    int pos = 3;
    *type = RegKeyNode::RegBinary;
    if (pos < data.size() && data.at(pos) == QLatin1Char('(')) {
        const int close = data.indexOf(QLatin1Char(')'), pos);
        if (close < 0 || !readHexNumber(data.mid(pos + 1, close - pos - 1), type))
            return false;
        pos = close + 1;
    }
    if (pos >= data.size() || data.at(pos) != QLatin1Char(':'))
        return false;
    return readHexBytes(data.mid(pos + 1), bytes);
}

} // namespace

RegFileParser::RegFileParser(QByteArray fileBytes)
    : m_root(std::make_shared<RegKeyNode>(QString()))
{
    m_text = decodeFile(fileBytes);
    const bool mayBeText = fileBytes.startsWith("\xff\xfe") || !fileBytes.contains('\0');
    fileBytes.clear();
    // regedit refuses a file without its header, and so does this reader.
    if (!isHeader(nextLine())) {
        if (m_text.trimmed().isEmpty())
            m_problem = Empty;
        else
            m_problem = mayBeText ? NoHeader : UnreadableEncoding;
        m_text.clear();
        return;
    }
    while (hasNextLine()) {
        const QString line = nextLine();
        // Two exports joined with cat: the second one's header (and byte-order mark) says nothing new.
        if (line.isEmpty() || isHeader(line.startsWith(QChar(0xfeff)) ? line.mid(1) : line))
            continue;
        if (line.startsWith(QLatin1Char(';')))
            skipped(line);
        else if (line.startsWith(QLatin1Char('[')))
            readSection(line);
        else
            readValue(line);
    }
    m_text.clear();
}

QString RegFileParser::nextLine(bool advance)
{
    if (m_next < 0)
        return QString();
    const int end = m_text.indexOf(QLatin1Char('\n'), m_next);
    const QString line = m_text.mid(m_next, (end < 0 ? m_text.size() : end) - m_next).trimmed();
    if (advance) {
        m_next = end < 0 ? -1 : end + 1;
        ++m_lineNumber;
    }
    return line;
}

void RegFileParser::skipped(const QString &line)
{
    if (m_firstSkipped.isEmpty())
        m_firstSkipped = QStringLiteral("line %1 (%2)").arg(m_lineNumber).arg(line.left(200));
}

QStringList RegFileParser::keyPath(const QString &path)
{
    QStringList names = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (names.isEmpty() || names.size() > MaxKeyDepth)
        return QStringList();
    names.first() = hiveName(names.first());
    if (names.first().isEmpty())
        return QStringList();
    return names;
}

QString RegFileParser::fromUtf16Le(const QByteArray &bytes)
{
    return fromUtf16Le(bytes.constData(), bytes.size());
}

QString RegFileParser::fromUtf16Le(const char *bytes, int size)
{
    QString text(size / 2, Qt::Uninitialized);
    const auto *source = reinterpret_cast<const uchar *>(bytes);
    QChar *target = text.data();
    for (int i = 0; i < text.size(); ++i)
        target[i] = QChar(ushort(source[2 * i] | source[2 * i + 1] << 8));
    return text;
}

QString RegFileParser::decodeFile(const QByteArray &bytes)
{
    // Windows writes UTF-16LE with a byte-order mark; hand-made files are UTF-8.
    if (bytes.startsWith("\xff\xfe"))
        return fromUtf16Le(bytes.constData() + 2, bytes.size() - 2);
    const int bom = bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const char *utf8 = bytes.constData() + bom;
    const int size = bytes.size() - bom;
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForMib(106)->toUnicode(utf8, size, &state);
    if (state.invalidChars == 0)
        return text;
    // Not UTF-8: a REGEDIT4 file in the ANSI code page.
    if (QTextCodec *ansi = QTextCodec::codecForName("Windows-1252"))
        return ansi->toUnicode(utf8, size);
    return QString::fromLatin1(utf8, size);
}

void RegFileParser::readSection(const QString &line)
{
    // Until the next good section, values have no key to go to.
    m_current = nullptr;
    if (!line.endsWith(QLatin1Char(']')))
        return skipped(line);
    QString path = line.mid(1, line.size() - 2);
    const bool remove = path.startsWith(QLatin1Char('-'));
    if (remove)
        path.remove(0, 1);
    QStringList names = keyPath(path);
    if (names.isEmpty())
        return skipped(line);
    if (remove) {
        const QString last = names.takeLast();
        if (RegKeyNode *parent = m_root->descendant(names))
            parent->removeSubKey(last);
        return;
    }
    RegKeyNode *key = m_root.get();
    for (const QString &name : qAsConst(names))
        key = key->addSubKey(name);
    m_current = key;
}

void RegFileParser::readValue(const QString &line)
{
    int pos = 0;
    QString name = QLatin1String("");
    if (line.startsWith(QLatin1Char('@')))
        pos = 1;
    else if (!line.startsWith(QLatin1Char('"')) || !readQuoted(line, &pos, &name))
        return skipped(line);
    while (pos < line.size() && line.at(pos).isSpace())
        ++pos;
    if (pos >= line.size() || line.at(pos) != QLatin1Char('='))
        return skipped(line);
    QString data = line.mid(pos + 1).trimmed();
    // Long hex data goes on over lines ending in a backslash.
    if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        while (data.endsWith(QLatin1Char('\\')) && hasNextLine()) {
            const QString next = nextLine(false);
            if (next.startsWith(QLatin1Char('[')))
                break;
            data.chop(1);
            data += next;
            nextLine();
        }
    }
    if (!m_current)
        return skipped(line);
    if (data == QLatin1String("-")) {
        m_current->removeValue(name);
        return;
    }
    quint32 type = 0;
    QByteArray bytes;
    if (readData(data, &type, &bytes))
        m_current->setValue(name, type, bytes);
    else
        skipped(line);
}
