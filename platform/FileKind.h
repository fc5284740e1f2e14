// What kind of file a stat's mode is, for messages.
#pragma once

#include <sys/stat.h>

namespace vokadlo {

// "a regular file", "a folder", "a FIFO", "a socket", "a character device", "a block device".
inline const char* FileKind(unsigned mode) {
    switch (mode & S_IFMT) {
        case S_IFREG:
            return "a regular file";
        case S_IFDIR:
            return "a folder";
        case S_IFIFO:
            return "a FIFO";
        case S_IFSOCK:
            return "a socket";
        case S_IFCHR:
            return "a character device";
        case S_IFBLK:
            return "a block device";
        default:
            return "not a regular file";
    }
}

}  // namespace vokadlo
