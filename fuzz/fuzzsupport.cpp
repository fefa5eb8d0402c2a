#include "fuzzsupport.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

namespace {

void discardMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void quietMessages()
{
    qInstallMessageHandler(discardMessages);
}

void fail(const QString &what)
{
    std::fprintf(stderr, "broken invariant: %s\n", what.toUtf8().constData());
    std::abort();
}

ScratchFile::ScratchFile(const QString &name)
    : m_path(m_folder.filePath(name))
{
}

void ScratchFile::write(const QByteArray &bytes)
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + m_path);
}

} // namespace FuzzSupport
