#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class RegKeyNode;

// Reads a file as `reg export` writes it into a key tree. Lines that cannot be
// read are skipped; no input makes it fail.
class RegFileParser final
{
public:
    // Why nothing of a file was read.
    enum Problem {
        NoProblem,
        Empty,
        UnreadableEncoding, // UTF-16 without its little-endian byte-order mark, or other binary data
        NoHeader,
    };

    // Takes the bytes by value so that a file read for the parser is let go once decoded.
    explicit RegFileParser(QByteArray fileBytes);
    Q_DISABLE_COPY_MOVE(RegFileParser)

    // Hives sit directly below the returned root, under their long names.
    std::shared_ptr<RegKeyNode> tree() const { return m_root; }
    Problem problem() const { return m_problem; }
    // False when nothing of the file was read; the tree is empty then.
    bool hasHeader() const { return m_problem == NoProblem; }
    // The first line that was skipped, as "line N (TEXT)" (a comment, a malformed value or section, a
    // value without a good section above it); empty when every line was read. Writing the tree
    // back would lose that line.
    QString firstSkippedLine() const { return m_firstSkipped; }

    // "HKLM\\A\\\\B\\" -> {"HKEY_LOCAL_MACHINE", "A", "B"}. Empty for an
    // unknown hive or a path deeper than the registry allows.
    static QStringList keyPath(const QString &path);
    // Odd trailing bytes are dropped; unpaired surrogates are kept as they are.
    static QString fromUtf16Le(const QByteArray &bytes);

private:
    static QString decodeFile(const QByteArray &bytes);
    static QString fromUtf16Le(const char *bytes, int size);
    bool hasNextLine() const { return m_next >= 0; }
    // The next line, trimmed; `advance` moves past it.
    QString nextLine(bool advance = true);
    void readSection(const QString &line);
    void readValue(const QString &line);
    void skipped(const QString &line);

    // Read line by line in place: a list of lines would hold a large file twice.
    QString m_text;
    int m_next = 0; // where the line after the one being read starts; -1 past the last
    int m_lineNumber = 0; // of the line last read
    QString m_firstSkipped;
    std::shared_ptr<RegKeyNode> m_root;
    Problem m_problem = NoProblem;
    RegKeyNode *m_current = nullptr; // the key of the last good section
};
