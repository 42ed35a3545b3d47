// What lies at the data file's path once its links are followed, and whether puzzles can be kept
// there.
#pragma once

#include <QString>

namespace xs {

enum class TPathKind {
    Missing,       // nothing there yet: a save creates the file
    RegularFile,   // a file: read at start, replaced by a save
    Folder,        //
    Fifo,          // a named pipe
    Socket,        //
    Device,        // a character or block device
    DanglingLink,  // a link (or chain of links) whose end does not exist: a save makes that file
                   // when its folder exists
    LinkLoop,      // links that never end in anything
};

struct TDataPath {
    TPathKind Kind = TPathKind::Missing;
    // The file the path leads to after every link: an absolute path whose folder has no links
    // left in it. Saves replace this file, in its folder; the lock is taken on it. For a path
    // with no links, the absolute form of the path as given.
    QString Resolved{};
    bool ThroughLink = false;  // the path as given is a link
};

// Follows the links at `path` (relative ones from the folder of the link). Looks only; changes
// nothing on disk.
TDataPath InspectDataPath(const QString& path);

// Why puzzles cannot be kept at `path`, as one line that names what is there ("it is a named
// pipe, not a file"; "it is a link to /x/y.dat, whose folder does not exist"). Empty when it is a
// regular file, nothing yet, or a link to a file not made yet in a folder that exists.
QString DataPathProblem(const QString& path);

}  // namespace xs
