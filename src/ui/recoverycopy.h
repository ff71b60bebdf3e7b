#pragma once

#include "7-project/projectfile.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// The copy of a project with unsaved changes that the program keeps while it runs, so that a
// crash or a power cut loses nothing: the project, with every character the installer typed, in
// the user's own data folder, written through the same safe save as any project, with the name
// of the file it belongs to beside it. A clean end removes it; the next start offers it back.
// The folder and the copies are the user's alone: a private project stays private.
//
// A copy the installer chose to keep when it was offered (Cancel) stays where it is, and the run
// keeps its own copy beside it under another name, so that each is offered at the next start.
class RecoveryCopy
{
public:
    // In `folder` (by default the user's data folder of the program), under the name `stem`.
    explicit RecoveryCopy(QString folder = defaultFolder(), QString stem = defaultStem());

    static QString defaultFolder();
    static QString defaultStem();

    // The copies earlier runs left in `folder`: copies of unsaved changes, then the old bytes
    // of files whose rewriting in place was cut short (see replaceFileContents).
    static std::vector<RecoveryCopy> leftIn(const QString &folder);
    // This copy holds a file as it was before a save that was cut short, not unsaved changes.
    bool holdsOldFile() const;
    // A copy in `folder` under a name no left copy holds.
    static RecoveryCopy unused(const QString &folder);

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
    const QString &folder() const { return m_folder; }

private:
    QString namePath() const;

    QString m_folder;
    QString m_stem;
};
