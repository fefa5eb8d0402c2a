#include "app/runlog.h"

#include "platform/environment.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

RunLog *s_current = nullptr;

// The first link on the way to `folder`, if any. The front-end runs elevated and the folder comes
// from the user's environment: through a link (a junction above all) the write could land on a
// file the user may not change.
QString linkOnTheWay(const QString &folder)
{
    for (QString path = QDir::cleanPath(QDir(folder).absolutePath());; path = QFileInfo(path).absolutePath()) {
        const QFileInfo at(path);
        if (at.isSymbolicLink() || at.isJunction())
            return path;
        if (QDir(path).isRoot())
            return QString();
    }
}

} // namespace

RunLog::RunLog(const Environment &environment)
{
    QString folder = environment.value(QStringLiteral("TEMP"));
    if (folder.isEmpty())
        folder = environment.value(QStringLiteral("TMP"));
    if (!folder.isEmpty())
        m_path = QDir::toNativeSeparators(QDir(QDir::fromNativeSeparators(folder)).filePath(fileName));
    m_previous = qInstallMessageHandler(handle);
    s_current = this;
}

void RunLog::open()
{
    if (m_path.isEmpty() || m_file.isOpen())
        return;
    m_file.setFileName(QDir::fromNativeSeparators(m_path));
    const QString link = linkOnTheWay(QFileInfo(m_file.fileName()).absolutePath());
    // Replaced, not appended to: one run's log.
    if (!link.isEmpty() || !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qWarning().noquote() << "no log of this run:" << m_path
                             << (link.isEmpty() ? m_file.errorString() : QDir::toNativeSeparators(link) + QStringLiteral(" is a link"));
        m_path.clear();
        m_kept.clear();
        return;
    }
    m_file.write(m_kept);
    m_file.flush();
    m_kept.clear();
}

RunLog::~RunLog()
{
    s_current = nullptr;
    qInstallMessageHandler(m_previous);
}

void RunLog::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (s_current) {
        s_current->write(type, context.category, message);
        if (s_current->m_previous)
            s_current->m_previous(type, context, message);
    }
}

void RunLog::write(QtMsgType type, const char *category, const QString &message)
{
    if (m_path.isEmpty() || type == QtDebugMsg || !category || qstrncmp(category, "installer.", 10) != 0)
        return;
    const char *level = type == QtInfoMsg ? "" : type == QtWarningMsg ? "warning: " : "error: ";
    const QByteArray line = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz ")).toUtf8() + category
        + ": " + level + message.toUtf8() + '\n';
    if (!m_file.isOpen()) {
        m_kept += line;
        return;
    }
    // A line that cannot be written is lost; the run goes on.
    if (m_file.write(line) == line.size())
        m_file.flush();
}
