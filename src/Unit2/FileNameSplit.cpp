// The split of a chosen file's full name into its directory and its file name.
#include "Unit2/FileNameSplit.h"

namespace varno {
namespace {

// The path separator of this platform; the directory keeps its final separator, so that a
// file name can be appended to it as it stands.
constexpr char kSeparator = '/';

SplitName SplitFileName(std::string_view fullName) {
    const std::size_t last = fullName.rfind(kSeparator);
    if (last == std::string_view::npos) {
        return SplitName{"", std::string(fullName)};
    }
    return SplitName{std::string(fullName.substr(0, last + 1)),
                     std::string(fullName.substr(last + 1))};
}

}  // namespace

SplitName SplitOpenFileName(std::string_view fullName) {
    return SplitFileName(fullName);
}

SplitName SplitSaveFileName(std::string_view fullName) {
    return SplitFileName(fullName);
}

}  // namespace varno
