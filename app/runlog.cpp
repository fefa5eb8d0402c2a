#include "app/runlog.h"

#include "platform/environment.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>

namespace {
RunLog *s_current = nullptr;
}

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
    // Replaced, not appended to: one run's log.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qWarning().noquote() << "no log of this run:" << m_path << m_file.errorString();
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
