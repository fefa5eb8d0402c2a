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
    explicit RegFileParser(const QByteArray &fileBytes);
    Q_DISABLE_COPY_MOVE(RegFileParser)

    // Hives sit directly below the returned root, under their long names.
    std::shared_ptr<RegKeyNode> tree() const { return m_root; }
    // False when the file does not start with a registry file's header; the
    // tree is empty then.
    bool hasHeader() const { return m_hasHeader; }

    // "HKLM\\A\\\\B\\" -> {"HKEY_LOCAL_MACHINE", "A", "B"}. Empty for an
    // unknown hive or a path deeper than the registry allows.
    static QStringList keyPath(const QString &path);
    // Odd trailing bytes are dropped; unpaired surrogates are kept as they are.
    static QString fromUtf16Le(const QByteArray &bytes);

private:
    static QString decodeFile(const QByteArray &bytes);
    void readSection(const QString &line);
    void readValue(const QString &line);

    QStringList m_lines;
    int m_next = 0; // the line after the one being read
    std::shared_ptr<RegKeyNode> m_root;
    bool m_hasHeader = false;
    RegKeyNode *m_current = nullptr; // the key of the last good section
};
