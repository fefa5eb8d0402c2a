#include "platform/simulated/simulateddrive.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

SimulatedDrive::SimulatedDrive(const QString &root)
    : m_root(root)
{
}

static bool hasDriveLetter(const QString &path)
{
    return path.size() >= 3 && path.at(0).isLetter() && path.at(0).unicode() < 128
        && path.at(1) == QLatin1Char(':')
        && (path.at(2) == QLatin1Char('\\') || path.at(2) == QLatin1Char('/'));
}

QString SimulatedDrive::resolve(const QString &program) const
{
    if (hasDriveLetter(program)) {
        if (m_root.isEmpty())
            return program;
        QString rest = program.mid(3);
        rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QDir(m_root).filePath(rest);
    }
    if (program.contains(QLatin1Char('\\'))) {
        QString path = program;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return path;
    }
    if (program.contains(QLatin1Char('/')))
        return program;
    return findTool(program);
}

// A bare tool name: the simulated System32 first, then PATH. Windows file
// names ignore case, so "TASKLIST" also finds a stand-in named "tasklist".
QString SimulatedDrive::findTool(const QString &name) const
{
    if (!m_root.isEmpty()) {
        const QDir system32(QDir(m_root).filePath(QStringLiteral("Windows/System32")));
        const QString exact = system32.filePath(name);
        if (QFileInfo(exact).isFile())
            return exact;
        const QStringList entries = system32.entryList(QDir::Files);
        for (const QString &entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return system32.filePath(entry);
        }
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? name : onPath;
}
