#pragma once

#include <QString>

#include <cstdio>

// Output of the simulated machine's tools: a line on standard output; a message on standard error.
namespace ToolIo {

enum Status { Done = 0, Missing = 1, Failed = 2 };

inline void print(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

inline int fail(const QString &message)
{
    std::fprintf(stderr, "regfile: %s\n", message.toUtf8().constData());
    return Failed;
}

} // namespace ToolIo
