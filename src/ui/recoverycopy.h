#pragma once

#include "7-project/projectfile.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

// The copy of a project with unsaved changes that the program keeps while it runs, so that a
// crash or a power cut loses nothing: an ordinary project file in the user's own data folder,
// written through the same safe save as any project, with the name of the file it belongs to
// beside it. A clean end removes it; the next start offers it back.
class RecoveryCopy
{
public:
    // In `folder`; by default the user's data folder of the program.
    explicit RecoveryCopy(QString folder = defaultFolder());

    static QString defaultFolder();

    // Keeps `project`, which belongs to `originalPath` (empty when untitled). False when it
    // could not be written.
    bool keep(const lumidex::Project &project, const std::string &originalPath);
    void remove();
    bool exists() const;

    struct Found
    {
        lumidex::Project project;
        std::string originalPath; // empty: an untitled project
        QDateTime kept;
    };
    // The copy a previous run left, when it can be read.
    std::optional<Found> find() const;

    QString projectPath() const;

private:
    QString namePath() const;

    QString m_folder;
};
