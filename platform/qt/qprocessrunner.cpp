#include "platform/qt/qprocessrunner.h"

#include <QDir>
#include <QFileInfo>

#if defined(Q_OS_WIN)
#include "platform/windows/win32/win32inheritedhandles.h"

#include <memory>
#endif

QProcessRunner::QProcessRunner(ProgramResolver resolveProgram)
    : m_resolveProgram(std::move(resolveProgram))
{
#if defined(Q_OS_WIN)
    // QProcess lets a program inherit every inheritable handle of ours; it needs its three.
    auto inherited = std::make_shared<Win32InheritedHandles>();
    m_process.setCreateProcessArgumentsModifier([inherited](QProcess::CreateProcessArguments *arguments) {
        inherited->limitToStandardHandles(reinterpret_cast<void **>(&arguments->startupInfo), &arguments->flags,
                                          &arguments->inheritHandles);
    });
#endif
}

void QProcessRunner::start(const QString &program, const QStringList &arguments, Output output)
{
    const QString resolved = m_resolveProgram ? m_resolveProgram(program) : program;
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setStandardOutputFile(output == Output::Read ? QString() : QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    // The program's own folder, never ours: the current folder is the caller's choice, and a
    // program may look there for its DLLs and files.
    m_process.setWorkingDirectory(QFileInfo(resolved).absolutePath());
    m_process.start(resolved, arguments, QIODevice::ReadWrite);
}

bool QProcessRunner::waitForStarted(int msecs)
{
    return m_process.waitForStarted(msecs);
}

bool QProcessRunner::waitForFinished(int msecs)
{
    return m_process.waitForFinished(msecs);
}

QProcess::ProcessState QProcessRunner::state() const
{
    return m_process.state();
}

void QProcessRunner::kill()
{
    m_process.kill();
}

QByteArray QProcessRunner::readAllStandardOutput()
{
    return m_process.readAllStandardOutput();
}

int QProcessRunner::exitCode() const
{
    return m_process.exitCode();
}

QProcess::ExitStatus QProcessRunner::exitStatus() const
{
    return m_process.exitStatus();
}

QProcess::ProcessError QProcessRunner::error() const
{
    return m_process.error();
}

QString QProcessRunner::program() const
{
    return QDir::toNativeSeparators(m_process.program());
}

QString QProcessRunner::workingDirectory() const
{
    // Without one of its own, a program starts in the front-end's current folder.
    const QString folder = m_process.workingDirectory();
    return QDir::toNativeSeparators(folder.isEmpty() ? QDir::currentPath() : folder);
}

void QProcessRunner::setEnvironment(const QProcessEnvironment &environment)
{
    m_process.setProcessEnvironment(environment);
}
