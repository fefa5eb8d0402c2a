#include "simulatedprocessrunner.h"

#include "simulatedprocesslauncher.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

SimulatedProcessRunner::SimulatedProcessRunner(QProcessRunner::ProgramResolver resolveProgram)
    : m_runner(std::move(resolveProgram))
{
}

SimulatedProcessRunner::~SimulatedProcessRunner()
{
    // The run ends with the runner, so it cannot report after this.
    m_runner.kill();
    m_runner.waitForFinished(1000);
    if (!m_exitCodeFile.isEmpty())
        QFile::remove(m_exitCodeFile);
}

void SimulatedProcessRunner::start(const QString &program, const QStringList &arguments, Output output)
{
    if (m_runner.state() == QProcess::NotRunning) {
        // A new run starts with no reported code, in a file of its own.
        static QAtomicInt runs;
        if (!m_exitCodeFile.isEmpty())
            QFile::remove(m_exitCodeFile);
        m_exitCodeFile = QDir::temp().filePath(QStringLiteral("chipset-installer-exit-%1-%2")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(runs.fetchAndAddRelaxed(1)));
        m_reportTaken = false;
        m_hasReportedExitCode = false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(SimulatedProcessLauncher::exitCodeFileVariable), m_exitCodeFile);
        m_runner.setEnvironment(environment);
    }
    m_runner.start(program, arguments, output);
}

void SimulatedProcessRunner::takeReportedExitCode() const
{
    if (m_reportTaken || m_exitCodeFile.isEmpty() || m_runner.state() != QProcess::NotRunning)
        return;
    m_reportTaken = true;
    QFile file(m_exitCodeFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    bool ok = false;
    m_reportedExitCode = QString::fromLatin1(file.read(32)).trimmed().toInt(&ok);
    m_hasReportedExitCode = ok;
    file.remove();
}

bool SimulatedProcessRunner::waitForStarted(int msecs)
{
    return m_runner.waitForStarted(msecs);
}

bool SimulatedProcessRunner::waitForFinished(int msecs)
{
    return m_runner.waitForFinished(msecs);
}

QProcess::ProcessState SimulatedProcessRunner::state() const
{
    return m_runner.state();
}

void SimulatedProcessRunner::kill()
{
    m_runner.kill();
}

QByteArray SimulatedProcessRunner::readAllStandardOutput()
{
    return m_runner.readAllStandardOutput();
}

int SimulatedProcessRunner::exitCode() const
{
    takeReportedExitCode();
    if (m_hasReportedExitCode && m_runner.exitStatus() == QProcess::NormalExit)
        return m_reportedExitCode;
    return m_runner.exitCode();
}

QProcess::ExitStatus SimulatedProcessRunner::exitStatus() const
{
    return m_runner.exitStatus();
}

QProcess::ProcessError SimulatedProcessRunner::error() const
{
    return m_runner.error();
}
