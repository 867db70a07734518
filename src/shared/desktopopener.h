// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <functional>

// Opens a document with the application the desktop associates with it.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // Asks the desktop to open the file. done(false) says that no application opened it; it
    // comes once, maybe after open() has returned, since the desktop's answer takes a while.
    virtual void open(const QString &path, std::function<void(bool opened)> done) = 0;
};

// The freedesktop opener, xdg-open: it answers with its exit status, which is 0 only when an
// application took the file. Where the desktop's MIME database, asked through xdg-mime, names no
// application for the file's type, it answers false at once: xdg-open would take seconds to fail.
// The database is asked once per type and the answer kept.
class QtDesktopOpener final : public DesktopOpener {
public:
    explicit QtDesktopOpener(QString program = QStringLiteral("xdg-open"),
                             QString query = QStringLiteral("xdg-mime"))
        : m_program(std::move(program)), m_query(std::move(query))
    {
    }
    void open(const QString &path, std::function<void(bool opened)> done) override;

private:
    // False only when the database surely has no application for the type.
    bool hasApplicationFor(const QString &mimeType);

    QString m_program;
    QString m_query;
    QHash<QString, bool> m_known;
};
