// The split of a chosen file's full name into its directory and its file name.
#pragma once

#include <string>
#include <string_view>

namespace varno {

// Directory: everything through the last "/" (empty when the name holds none); FileName:
// everything after it (the whole name when there is no "/").
struct SplitName {
    std::string Directory;
    std::string FileName;

    friend bool operator==(const SplitName&, const SplitName&) = default;
};

// The name the open dialog returned, into OpenDirectory and OpenFileName.
SplitName SplitOpenFileName(std::string_view fullName);

// The name the save dialog returned, into SaveDirectory and SaveFileName; the same split.
SplitName SplitSaveFileName(std::string_view fullName);

}  // namespace varno
