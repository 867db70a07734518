#include "shared/desktopopener.h"

#include <QProcess>

void QtDesktopOpener::open(const QString &path, std::function<void(bool opened)> done)
{
    // Without a parent, so that quitting the program never kills a browser the opener runs in
    // the foreground; the process object goes once the opener has ended.
    auto *opener = new QProcess;
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, done](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         done(status == QProcess::NormalExit && exitCode == 0);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, done](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // a crash also ends in finished()
                         opener->deleteLater();
                         done(false);
                     });
    opener->start(m_program, {path});
}
