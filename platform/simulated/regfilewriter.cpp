#include "platform/simulated/regfilewriter.h"

#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regkeynode.h"

#include <QFile>
#include <QSaveFile>

namespace {

// reg export breaks hex data before the 80th column.
constexpr int HexLineWidth = 77;

QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The text of REG_SZ data that a quoted string gives back exactly: whole
// UTF-16 code units, one terminating NUL and none before it, no line break.
bool stringText(const QByteArray &data, QString *text)
{
    if (data.size() < 2 || data.size() % 2 != 0 || !data.endsWith(QByteArray(2, '\0')))
        return false;
    *text = RegFileParser::fromUtf16Le(data.left(data.size() - 2));
    return !text->contains(QChar(0)) && !text->contains(QLatin1Char('\n')) && text->isValidUtf16();
}

void writeKey(const RegKeyNode &key, QStringList *path, const QString &lineEnd, QString *text)
{
    if (!path->isEmpty() && (key.valueCount() > 0 || key.subKeyCount() == 0)) {
        *text += RegFileWriter::sectionLine(*path) + lineEnd;
        for (int i = 0; i < key.valueCount(); ++i) {
            const RegKeyNode::Value &value = key.valueAt(i);
            *text += RegFileWriter::valueLine(value.name, value.type, value.data, lineEnd) + lineEnd;
        }
        *text += lineEnd;
    }
    for (int i = 0; i < key.subKeyCount(); ++i) {
        const RegKeyNode *subKey = key.subKeyAt(i);
        path->append(subKey->name());
        writeKey(*subKey, path, lineEnd, text);
        path->removeLast();
    }
}

} // namespace

RegFileWriter::RegFileWriter(const QString &filePath)
    : m_filePath(filePath)
    , m_tree(std::make_shared<RegKeyNode>(QString()))
{
}

RegFileWriter::~RegFileWriter() = default;

bool RegFileWriter::load(QString *error)
{
    QFile file(m_filePath);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return true;
    const RegFileParser parser(bytes);
    if (!parser.hasHeader()) {
        *error = QStringLiteral("not a registry file (no header line)");
        return false;
    }
    if (!parser.firstSkippedLine().isEmpty()) {
        *error = parser.firstSkippedLine() + QStringLiteral(" cannot be read, and rewriting the file would lose it");
        return false;
    }
    m_tree = parser.tree();
    if (bytes.startsWith("\xff\xfe"))
        m_encoding = Encoding::Utf16Le;
    else
        m_encoding = bytes.startsWith("\xef\xbb\xbf") ? Encoding::Utf8WithBom : Encoding::Utf8;
    // The first line's end tells; UTF-16 puts a NUL after each byte of it.
    const int newline = bytes.indexOf('\n');
    const int step = m_encoding == Encoding::Utf16Le ? 2 : 1;
    m_lineEnd = newline >= step && bytes.at(newline - step) == '\r' ? QStringLiteral("\r\n") : QStringLiteral("\n");
    return true;
}

RegKeyNode *RegFileWriter::key(const QString &keyPath)
{
    const QStringList names = RegFileParser::keyPath(keyPath);
    if (names.isEmpty())
        return nullptr;
    RegKeyNode *node = m_tree.get();
    for (const QString &name : names)
        node = node->addSubKey(name);
    return node;
}

void RegFileWriter::removeKey(const QString &keyPath)
{
    QStringList names = RegFileParser::keyPath(keyPath);
    if (names.isEmpty())
        return;
    const QString last = names.takeLast();
    if (RegKeyNode *parent = m_tree->descendant(names))
        parent->removeSubKey(last);
}

bool RegFileWriter::save(QString *error) const
{
    return replaceFile(m_filePath, fileBytes(*m_tree, m_encoding, m_lineEnd), error);
}

QByteArray RegFileWriter::fileBytes(const RegKeyNode &root, Encoding encoding, const QString &lineEnd)
{
    QString text = header() + lineEnd + lineEnd;
    QStringList path;
    writeKey(root, &path, lineEnd, &text);
    return encode(text, encoding);
}

QByteArray RegFileWriter::encode(const QString &text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8WithBom:
        return QByteArray("\xef\xbb\xbf") + text.toUtf8();
    case Encoding::Utf16Le:
        break;
    }
    QByteArray bytes("\xff\xfe");
    bytes.reserve(2 + text.size() * 2);
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    return bytes;
}

bool RegFileWriter::replaceFile(const QString &filePath, const QByteArray &bytes, QString *error)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString RegFileWriter::sectionLine(const QStringList &keyPath)
{
    return QLatin1Char('[') + keyPath.join(QLatin1Char('\\')) + QLatin1Char(']');
}

QString RegFileWriter::valueLine(const QString &name, quint32 type, const QByteArray &data, const QString &lineEnd)
{
    const QString start = (name.isEmpty() ? QStringLiteral("@") : quoted(name)) + QLatin1Char('=');
    QString text;
    if (type == RegKeyNode::RegSz && stringText(data, &text))
        return start + quoted(text);
    if (type == RegKeyNode::RegDword && data.size() == 4) {
        const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
        const quint32 number = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | quint32(bytes[3]) << 24;
        return start + QStringLiteral("dword:%1").arg(number, 8, 16, QLatin1Char('0'));
    }
    QString line = start
        + (type == RegKeyNode::RegBinary ? QStringLiteral("hex:") : QStringLiteral("hex(%1):").arg(type, 0, 16));
    QString lines;
    for (int i = 0; i < data.size(); ++i) {
        const QString byte = QStringLiteral("%1").arg(uchar(data.at(i)), 2, 16, QLatin1Char('0'));
        const bool last = i == data.size() - 1;
        if (line.size() + byte.size() + 1 > HexLineWidth) {
            lines += line + QLatin1Char('\\') + lineEnd;
            line = QStringLiteral("  ");
        }
        line += byte + (last ? QString() : QStringLiteral(","));
    }
    return lines + line;
}

QString RegFileWriter::stringValueLine(const QString &name, const QString &text)
{
    return valueLine(name, RegKeyNode::RegSz, stringData(text));
}

QByteArray RegFileWriter::stringData(const QString &text)
{
    return encode(text, Encoding::Utf16Le).mid(2) + QByteArray(2, '\0');
}
