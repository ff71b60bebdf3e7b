#include "recoverycopy.h"

#include "7-project/filereading.h"
#include "7-project/filereplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool writePrivately(const QString &path, std::span<const std::uint8_t> bytes)
{
    // An existing file keeps its mode through the save; a new one is made private after it.
    if (QFileInfo::exists(path))
        QFile::setPermissions(path, OwnerOnly);
    if (lumidex::replaceFileContents(path.toStdString(), bytes))
        return false;
    return QFile::setPermissions(path, OwnerOnly);
}

} // namespace

RecoveryCopy::RecoveryCopy(QString folder, QString stem)
    : m_folder(std::move(folder)), m_stem(std::move(stem))
{}

QString RecoveryCopy::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString RecoveryCopy::defaultStem()
{
    return QStringLiteral("recovery");
}

QString RecoveryCopy::projectPath() const
{
    return QDir(m_folder).filePath(m_stem + QStringLiteral(".lmx"));
}

QString RecoveryCopy::namePath() const
{
    return QDir(m_folder).filePath(m_stem + QStringLiteral("-of.txt"));
}

std::vector<RecoveryCopy> RecoveryCopy::leftIn(const QString &folder)
{
    std::vector<RecoveryCopy> left;
    for (const QString &stem : {defaultStem(), QString::fromLatin1(lumidex::OldFileCopyPrefix)}) {
        const QStringList names =
            QDir(folder).entryList({stem + QStringLiteral("*.lmx")}, QDir::Files, QDir::Name);
        for (const QString &name : names)
            left.emplace_back(folder, name.chopped(4));
    }
    return left;
}

bool RecoveryCopy::holdsOldFile() const
{
    return m_stem.startsWith(QString::fromLatin1(lumidex::OldFileCopyPrefix));
}

RecoveryCopy RecoveryCopy::unused(const QString &folder)
{
    for (int n = 1;; ++n) {
        RecoveryCopy copy(folder, n == 1 ? defaultStem()
                                         : defaultStem() + QLatin1Char('-') + QString::number(n));
        if (!copy.exists())
            return copy;
    }
}

bool RecoveryCopy::keep(const lumidex::Project &project, const std::string &originalPath)
{
    if (!QDir().mkpath(m_folder))
        return false;
    // Other users may not even look into the folder.
    if (!QFile::setPermissions(m_folder, OwnerOnly | QFileDevice::ExeOwner))
        return false;
    // The name first: a copy is never found beside the name of another project.
    const std::string name = originalPath + '\n';
    if (!writePrivately(namePath(), std::span(reinterpret_cast<const std::uint8_t *>(name.data()),
                                              name.size())))
        return false;
    return writePrivately(projectPath(), lumidex::encodeRecoveryCopy(project));
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
    lumidex::ReadFailure failure;
    const std::optional<std::string> bytes = lumidex::readRegularFile(
        projectPath().toStdString(), std::size_t{128} << 20, lumidex::BeyondLimit::Refuse, failure);
    if (!bytes)
        return std::nullopt;
    std::optional<lumidex::Project> project = lumidex::decodeRecoveryCopy(
        std::span(reinterpret_cast<const std::uint8_t *>(bytes->data()), bytes->size()));
    if (!project)
        return std::nullopt;
    Found found{std::move(*project), {}, QFileInfo(projectPath()).lastModified()};
    lumidex::ReadFailure nameFailure;
    if (std::optional<std::string> path = lumidex::readRegularFile(
            namePath().toStdString(), 8192, lumidex::BeyondLimit::Ignore, nameFailure)) {
        if (!path->empty() && path->back() == '\n')
            path->pop_back();
        found.originalPath = std::move(*path);
    }
    return found;
}
