#include "recordinglauncher.h"

class RecordingLauncher::Runner final : public ProcessRunner
{
public:
    explicit Runner(QList<QStringList> *starts)
        : m_starts(starts)
    {
    }

    void start(const QString &program, const QStringList &arguments, Output) override
    {
        m_starts->append(QStringList{program} + arguments);
    }
    bool waitForStarted(int) override { return true; }
    bool waitForFinished(int) override { return true; }
    // Always ended, so every start is taken, as with an installer that was quick.
    QProcess::ProcessState state() const override { return QProcess::NotRunning; }
    void kill() override {}
    QByteArray readAllStandardOutput() override { return QByteArray(); }
    int exitCode() const override { return 0; }
    QProcess::ExitStatus exitStatus() const override { return QProcess::NormalExit; }
    QProcess::ProcessError error() const override { return QProcess::UnknownError; }

private:
    QList<QStringList> *m_starts;
};

std::unique_ptr<ProcessRunner> RecordingLauncher::createRunner()
{
    return std::make_unique<Runner>(&starts);
}
