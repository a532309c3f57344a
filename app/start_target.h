// What the program was started on: a file manager's "Open with" passes vehicle files, a user may
// name a folder. The Files pane then shows the vehicle's folder, with the vehicle selected and
// previewed, or the folder named.
#pragma once

#include <optional>
#include <QString>
#include <QStringList>

struct StartTarget {
    QString folder;      // the Files pane's folder, absolute, without a trailing separator
    QString vehicleName; // the vehicle file in it to select and preview; empty for a folder
    bool operator==(const StartTarget&) const = default;
};

struct StartChoice {
    std::optional<StartTarget> target;
    // One line for the user (for standard error) about each path that is not taken: one that
    // does not exist, one that is neither a vehicle file nor a folder, and every path after the
    // first, since one file or folder is opened at a time.
    QStringList complaints;
};

// The target the first of `paths` names, relative paths taken from the current folder. A vehicle
// file is a regular file (links followed) of at most srf::kMaxVehicleFileBytes whose name ends in
// ".srf" in any letter case, as a pane lists it. A folder that the settings file could not keep
// (a line break in its name) is refused too.
StartChoice startChoiceFor(const QStringList& paths);
