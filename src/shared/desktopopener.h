#pragma once

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
// application took the file.
class QtDesktopOpener final : public DesktopOpener {
public:
    explicit QtDesktopOpener(QString program = QStringLiteral("xdg-open"))
        : m_program(std::move(program))
    {
    }
    void open(const QString &path, std::function<void(bool opened)> done) override;

private:
    QString m_program;
};
