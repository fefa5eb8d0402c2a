#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class RegKeyNode;

// Writes registry files as `reg export` does, so that RegFileParser reads back
// the tree that was written: a header, then one section per key that holds
// values or nothing at all (keys that only lead to others come back from their
// subkeys' paths), one line per value. A file is changed by reading its tree,
// editing it and writing it whole; the file is replaced in one rename, so a
// reader never sees half of it.
class RegFileWriter final
{
public:
    enum class Encoding {
        Utf16Le,     // with a byte-order mark, as Windows writes
        Utf8,
        Utf8WithBom,
    };

    // A new, empty file: UTF-16LE with Windows line ends.
    explicit RegFileWriter(const QString &filePath);
    ~RegFileWriter();
    Q_DISABLE_COPY_MOVE(RegFileWriter)

    // Reads the file to change, keeping its encoding and line ends. A missing
    // or empty file is an empty tree; a file without the header, or with a
    // line the reader skips, is refused, since writing would lose it.
    bool load(QString *error);
    RegKeyNode &tree() { return *m_tree; }
    // The key at a path such as "HKLM\\SOFTWARE\\ZYM", made with its parents
    // when missing; nullptr for a path with an unknown hive.
    RegKeyNode *key(const QString &keyPath);
    // Removes the key at the path and everything below it.
    void removeKey(const QString &keyPath);
    bool save(QString *error) const;

    // The whole file's bytes for a tree.
    static QByteArray fileBytes(const RegKeyNode &root, Encoding encoding = Encoding::Utf16Le,
                                const QString &lineEnd = QStringLiteral("\r\n"));
    // File text in an encoding, with the byte-order mark it calls for.
    static QByteArray encode(const QString &text, Encoding encoding);
    // Writes `bytes` to a temporary file beside `filePath` and renames it over.
    static bool replaceFile(const QString &filePath, const QByteArray &bytes, QString *error);

    static QString header() { return QStringLiteral("Windows Registry Editor Version 5.00"); }
    // "[HKEY_LOCAL_MACHINE\\SOFTWARE]" for {"HKEY_LOCAL_MACHINE", "SOFTWARE"}.
    static QString sectionLine(const QStringList &keyPath);
    // One value as it stands in a section; hex data runs on over lines ending
    // in a backslash, joined with `lineEnd`.
    static QString valueLine(const QString &name, quint32 type, const QByteArray &data,
                             const QString &lineEnd = QStringLiteral("\r\n"));
    static QString stringValueLine(const QString &name, const QString &text);
    // REG_SZ data as the registry stores it: UTF-16LE and a terminating NUL.
    static QByteArray stringData(const QString &text);

private:
    const QString m_filePath;
    std::shared_ptr<RegKeyNode> m_tree;
    Encoding m_encoding = Encoding::Utf16Le;
    QString m_lineEnd = QStringLiteral("\r\n");
};
