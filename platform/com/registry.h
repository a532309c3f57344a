// The registry of classes: a text file in the user's configuration folder,
// <QStandardPaths::GenericConfigLocation>/motorhall/registry.txt (normally
// ~/.config/motorhall/registry.txt; XDG_CONFIG_HOME moves it, and so does Qt's test mode).
// It is shared by every program of the user, like the system registry it stands for: a
// server's DllRegisterServer writes its entries, the host reads them to create a class.
// A registration for every user lives in motorhall/registry.txt below the first folder of
// XDG_CONFIG_DIRS (/etc/xdg when unset); a class is looked up in the user's file first, then in
// the system ones, so a user's own registration wins, unless the library it names is gone.
//
// One entry per line, "key = value", where a key is a path of names separated by backslashes
// ("CLSID\{...}\InprocServer32"). Keys compare without regard to case. Lines starting with '#'
// and lines that are not entries are skipped.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <QString>
#include <QStringList>

namespace com {

enum class RegistryScope { User, System };

class Registry {
public:
    // The file that load, save and modify work on: the user's, or the system's when the process
    // registers for every user (regsvr --system). One setting for the process, so that a server
    // library's DllRegisterServer writes where the tool asks.
    static void setScope(RegistryScope scope);
    static QString filePath();
    // The registry files that exist, in the order a class is looked up: the user's, then the
    // system ones in the order of XDG_CONFIG_DIRS.
    static QStringList lookupFiles();
    // The value of the key in the first registry file that has it. Nothing, with `error` left
    // empty, when no file has it; nothing with a message when a file cannot be read.
    static std::optional<QString> lookUp(const QString& key, QString* error);
    // The same, passing over a value that `usable` refuses for one in a later file; the first
    // value found when no file has a usable one.
    static std::optional<QString>
    lookUp(const QString& key, const std::function<bool(const QString&)>& usable, QString* error);
    // Files larger than this are not a registry we wrote; reading one is refused.
    static constexpr qint64 kMaximumFileSize = 1 << 20;

    // Reads the file; a file that does not exist is an empty registry. False, with a readable
    // message, when the file cannot be read or is too large.
    bool load(QString* error = nullptr);
    bool load(const QString& path, QString* error);
    // Writes the file atomically: a temporary file renamed over the old one.
    bool save(QString* error = nullptr) const;

    std::optional<QString> value(const QString& key) const;
    // False, with nothing changed, for a key or value that cannot be stored: an empty key, a
    // key with " = " or surrounding blanks, a line break in either.
    bool setValue(const QString& key, const QString& value);
    // Removes the key and every key below it.
    void removeTree(const QString& key);
    // Every key, sorted.
    QStringList keys() const;

    // Reads, lets `change` edit and writes the registry while holding a lock file, so that two
    // programs registering at the same time do not lose each other's entries.
    static bool modify(const std::function<bool(Registry&)>& change, QString* error = nullptr);

private:
    struct Entry {
        QString key;
        QString value;
    };
    std::map<QString, Entry> entries_; // by the lower-case key
};

} // namespace com
