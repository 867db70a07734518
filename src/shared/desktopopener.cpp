// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/desktopopener.h"

#include <QMimeDatabase>
#include <QProcess>

namespace {

// The longest wait for the database's answer: the help window must follow a click within half a
// second. Past it, the opener is tried as before.
constexpr int QueryMs = 300;

} // namespace

bool QtDesktopOpener::hasApplicationFor(const QString &mimeType)
{
    const auto known = m_known.constFind(mimeType);
    if (known != m_known.cend())
        return *known;
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.start(m_query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    bool has = true;
    if (query.waitForFinished(QueryMs)) {
        // An empty answer with success is "no default application"; any failure says nothing.
        has = !(query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
                query.readAllStandardOutput().trimmed().isEmpty());
    } else if (query.state() != QProcess::NotRunning) {
        query.kill();
        query.waitForFinished(QueryMs);
    }
    m_known.insert(mimeType, has);
    return has;
}

void QtDesktopOpener::open(const QString &path, std::function<void(bool opened)> done)
{
    if (!hasApplicationFor(QMimeDatabase().mimeTypeForFile(path).name())) {
        done(false);
        return;
    }
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
