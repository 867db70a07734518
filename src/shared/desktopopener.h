#pragma once

#include <QString>

// Opens a document with the application the desktop associates with it.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // False when no application could open the file.
    virtual bool open(const QString &path) = 0;
};

class QtDesktopOpener final : public DesktopOpener {
public:
    bool open(const QString &path) override;
};
