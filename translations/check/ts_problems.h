// What keeps a translation file from being complete.
#pragma once

#include <QString>
#include <QStringList>

namespace translations {

// One line for every message of the .ts file `path` that a user would not see translated: one
// not translated yet or marked unfinished (lupdate marks so a text new to the sources or changed
// in them), and one whose text is gone from the sources (vanished or obsolete). A file that
// cannot be read or parsed is one line too.
QStringList tsProblems(const QString& path);

} // namespace translations
