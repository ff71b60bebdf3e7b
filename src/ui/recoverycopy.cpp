#include "recoverycopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

RecoveryCopy::RecoveryCopy(QString folder) : m_folder(std::move(folder)) {}

QString RecoveryCopy::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString RecoveryCopy::projectPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("recovery.lmx"));
}

QString RecoveryCopy::namePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("recovery-of.txt"));
}

bool RecoveryCopy::keep(const lumidex::Project &project, const std::string &originalPath)
{
    if (!QDir().mkpath(m_folder))
        return false;
    // The name first: a copy is never found beside the name of another project.
    QSaveFile name(namePath());
    if (!name.open(QIODevice::WriteOnly))
        return false;
    name.write(QByteArray::fromStdString(originalPath) + '\n');
    if (!name.commit())
        return false;
    std::string error;
    return lumidex::saveProjectFile(projectPath().toStdString(), project, &error);
}

void RecoveryCopy::remove()
{
    QFile::remove(projectPath());
    QFile::remove(namePath());
}

bool RecoveryCopy::exists() const
{
    return QFileInfo::exists(projectPath());
}

std::optional<RecoveryCopy::Found> RecoveryCopy::find() const
{
    if (!exists())
        return std::nullopt;
    std::optional<lumidex::Project> project =
        lumidex::openProjectFile(projectPath().toStdString(), nullptr);
    if (!project)
        return std::nullopt;
    Found found{std::move(*project), {}, QFileInfo(projectPath()).lastModified()};
    QFile name(namePath());
    if (name.open(QIODevice::ReadOnly)) {
        QByteArray path = name.readAll();
        if (path.endsWith('\n'))
            path.chop(1);
        found.originalPath = path.toStdString();
    }
    return found;
}
