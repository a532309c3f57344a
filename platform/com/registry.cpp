#include "platform/com/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace com {

namespace {

const QString kSeparator = QStringLiteral(" = ");
const QByteArray kHeader = "# Motorhall component registry: classes, interfaces and type libraries "
                           "of the registered server libraries.\n";

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

bool isValidKey(const QString& key) {
    return !key.isEmpty() && key == key.trimmed() && !key.startsWith(u'#') &&
           !key.contains(kSeparator) && !key.endsWith(QStringLiteral(" =")) && !hasLineBreak(key);
}

const QString kFileName = QStringLiteral("motorhall/registry.txt");

RegistryScope scope = RegistryScope::User;

QString systemConfigurationFolder() {
    // An empty or relative entry is skipped, as the base directory rules ask.
    const QString dirs = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_DIRS"));
    for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            return dir;
    }
    return QStringLiteral("/etc/xdg");
}

} // namespace

void Registry::setScope(RegistryScope to) {
    scope = to;
}

QString Registry::filePath() {
    if (scope == RegistryScope::System)
        return systemConfigurationFolder() + u'/' + kFileName;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + u'/' + kFileName;
}

QStringList Registry::lookupFiles() {
    return QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, kFileName);
}

std::optional<QString> Registry::lookUp(const QString& key, QString* error) {
    return lookUp(
        key, [](const QString&) { return true; }, error);
}

std::optional<QString> Registry::lookUp(const QString& key,
                                        const std::function<bool(const QString&)>& usable,
                                        QString* error) {
    std::optional<QString> first;
    for (const QString& path : lookupFiles()) {
        Registry registry;
        if (!registry.load(path, error))
            return std::nullopt;
        std::optional<QString> found = registry.value(key);
        if (!found)
            continue;
        if (usable(*found))
            return found;
        if (!first)
            first = std::move(found);
    }
    return first;
}

bool Registry::load(QString* error) {
    return load(filePath(), error);
}

bool Registry::load(const QString& path, QString* error) {
    entries_.clear();
    if (path.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate(
                "ComponentModel", "there is no configuration folder for the registry");
        return false;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    // Only a plain file: opening a pipe or a device would block or never end.
    if (!info.isFile()) {
        if (error)
            *error =
                QCoreApplication::translate("ComponentModel", "the registry %1 is not a plain file")
                    .arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error =
                QCoreApplication::translate("ComponentModel", "cannot read the registry %1: %2")
                    .arg(path, file.errorString());
        return false;
    }
    if (file.size() > kMaximumFileSize) {
        if (error)
            *error = QCoreApplication::translate("ComponentModel",
                                                 "the registry %1 is larger than %2 bytes")
                         .arg(path, QString::number(kMaximumFileSize));
        return false;
    }
    const QByteArray content = file.read(kMaximumFileSize + 1);
    if (content.size() > kMaximumFileSize) {
        if (error)
            *error = QCoreApplication::translate("ComponentModel",
                                                 "the registry %1 is larger than %2 bytes")
                         .arg(path, QString::number(kMaximumFileSize));
        return false;
    }
    const QString text = QString::fromUtf8(content);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QString key, value;
        const qsizetype at = line.indexOf(kSeparator);
        if (at >= 0) {
            key = line.left(at).toString();
            value = line.mid(at + kSeparator.size()).toString();
        } else if (line.endsWith(QStringLiteral(" ="))) {
            key = line.chopped(2).toString();
        } else {
            continue;
        }
        setValue(key, value);
    }
    return true;
}

bool Registry::save(QString* error) const {
    const QString path = filePath();
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder of the registry %1").arg(path);
        return false;
    }
    QByteArray content = kHeader;
    for (const auto& [lower, entry] : entries_)
        content += (entry.key + kSeparator + entry.value).toUtf8() + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        if (error)
            *error =
                QStringLiteral("cannot write the registry %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

std::optional<QString> Registry::value(const QString& key) const {
    const auto found = entries_.find(key.toLower());
    if (found == entries_.end())
        return std::nullopt;
    return found->second.value;
}

bool Registry::setValue(const QString& key, const QString& value) {
    if (!isValidKey(key) || hasLineBreak(value))
        return false;
    entries_[key.toLower()] = Entry{key, value};
    return true;
}

void Registry::removeTree(const QString& key) {
    const QString lower = key.toLower();
    const QString below = lower + u'\\';
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->first == lower || it->first.startsWith(below))
            it = entries_.erase(it);
        else
            ++it;
    }
}

QStringList Registry::keys() const {
    QStringList result;
    for (const auto& [lower, entry] : entries_)
        result.append(entry.key);
    return result;
}

bool Registry::modify(const std::function<bool(Registry&)>& change, QString* error) {
    const QString path = filePath();
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder of the registry %1").arg(path);
        return false;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(10000)) {
        if (error)
            *error = QStringLiteral("the registry %1 is locked by another program").arg(path);
        return false;
    }
    Registry registry;
    if (!registry.load(error))
        return false;
    if (!change(registry)) {
        if (error && error->isEmpty())
            *error = QStringLiteral("the registry entries could not be made");
        return false;
    }
    return registry.save(error);
}

} // namespace com
