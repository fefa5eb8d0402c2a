#include "simulatedprocessrunner.h"

#include "simulatedprocesslauncher.h"

#include <QFile>
#include <QProcessEnvironment>

SimulatedProcessRunner::SimulatedProcessRunner(QProcessRunner::ProgramResolver resolveProgram)
    : m_runner(std::move(resolveProgram))
{
}

QString SimulatedProcessRunner::exitCodeFile() const
{
    return m_folder.filePath(QStringLiteral("exit-code"));
}

void SimulatedProcessRunner::start(const QString &program, const QStringList &arguments)
{
    if (m_runner.state() == QProcess::NotRunning) {
        // A new run starts with no reported code.
        QFile::remove(exitCodeFile());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(SimulatedProcessLauncher::exitCodeFileVariable), exitCodeFile());
        m_runner.setEnvironment(environment);
    }
    m_runner.start(program, arguments);
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
    if (m_runner.state() == QProcess::NotRunning && m_runner.exitStatus() == QProcess::NormalExit) {
        QFile file(exitCodeFile());
        if (file.open(QIODevice::ReadOnly)) {
            bool ok = false;
            const int reported = QString::fromLatin1(file.read(32)).trimmed().toInt(&ok);
            if (ok)
                return reported;
        }
    }
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
