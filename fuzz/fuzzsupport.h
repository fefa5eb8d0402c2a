#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// What every fuzz target needs around the code it drives.
namespace FuzzSupport {

// Keeps the code's debug lines out of the fuzzer's output; fatal messages still show.
void quietMessages();

// Reports a broken invariant and stops, so the fuzzer keeps the input.
[[noreturn]] void fail(const QString &what);

// A file in a folder of its own, rewritten for every input.
class ScratchFile
{
public:
    explicit ScratchFile(const QString &name);

    QString path() const { return m_path; }
    void write(const QByteArray &bytes);

private:
    QTemporaryDir m_folder;
    QString m_path;
};

} // namespace FuzzSupport
