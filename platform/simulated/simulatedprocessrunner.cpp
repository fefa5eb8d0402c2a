#include "platform/simulated/simulatedprocessrunner.h"

#include "platform/simulated/simulatedprocesslauncher.h"

#include <QFile>
#include <QProcessEnvironment>

SimulatedProcessRunner::SimulatedProcessRunner(QProcessRunner::ProgramResolver resolveProgram, const QString &reportRoot)
    : m_runner(std::move(resolveProgram))
    , m_reportRoot(reportRoot)
{
}

SimulatedProcessRunner::~SimulatedProcessRunner()
{
    // The run ends with the runner, so it cannot report after this.
    m_runner.kill();
    m_runner.waitForFinished(1000);
}

namespace {
const QString kReportFileName = QStringLiteral("exit-code");
}

void SimulatedProcessRunner::start(const QString &program, const QStringList &arguments, Output output)
{
    if (m_runner.state() == QProcess::NotRunning) {
        // A new run starts with no reported code, in a folder made for it that
        // no other user can enter, so no one else can report in its place.
        m_reportFolder.reset();
        if (!m_reportRoot.isEmpty())
            m_reportFolder = std::make_unique<QTemporaryDir>(m_reportRoot + QStringLiteral("/run-XXXXXX"));
        m_reportTaken = false;
        m_hasReportedExitCode = false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString variable = QString::fromLatin1(SimulatedProcessLauncher::exitCodeFileVariable);
        if (m_reportFolder && m_reportFolder->isValid())
            environment.insert(variable, m_reportFolder->filePath(kReportFileName));
        else
            environment.remove(variable);
        m_runner.setEnvironment(environment);
    }
    m_runner.start(program, arguments, output);
}

void SimulatedProcessRunner::takeReportedExitCode() const
{
    if (m_reportTaken || !m_reportFolder || m_runner.state() != QProcess::NotRunning)
        return;
    m_reportTaken = true;
    QFile file(m_reportFolder->filePath(kReportFileName));
    if (file.open(QIODevice::ReadOnly)) {
        bool ok = false;
        m_reportedExitCode = QString::fromLatin1(file.read(32)).trimmed().toInt(&ok);
        m_hasReportedExitCode = ok;
    }
    m_reportFolder.reset();
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

QString SimulatedProcessRunner::program() const
{
    return m_runner.program();
}

QString SimulatedProcessRunner::workingDirectory() const
{
    return m_runner.workingDirectory();
}
