#pragma once

#include <QFile>
#include <QString>

class Environment;

// The front-end's own log of one run, for whoever asks later what it did on a PC: the lines of the
// installer.* categories at info level and above (arguments, rows and ticks, every program
// started, how the run ended, the exit code), written to ZYM_Chipset_Frontend.log in the user's
// temporary folder and replaced each run. The lines still go where they went before. Writing it
// never stops the front-end: a folder it cannot write or a full disk loses the log, nothing else.
class RunLog final
{
public:
    static inline const QString fileName = QStringLiteral("ZYM_Chipset_Frontend.log");

    // Lines are kept from here on, and written once the log is opened.
    explicit RunLog(const Environment &environment);
    ~RunLog();
    Q_DISABLE_COPY_MOVE(RunLog)

    // Replaces the file with this run's lines so far. Only the copy that runs does this: a second
    // copy must not wipe the log of the first.
    void open();
    // Where the log is written; empty when there is no temporary folder to write it in.
    QString path() const { return m_path; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);
    void write(QtMsgType type, const char *category, const QString &message);

    QString m_path;
    QFile m_file;
    QByteArray m_kept;
    QtMessageHandler m_previous = nullptr;
};
