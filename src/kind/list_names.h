#pragma once
// A drop-down list as settings files name its entries: by index, or by the
// entry's English text ("imageSize": "5MP"); show prints the text beside the
// index. Each kind gives its lists' English entries as a function, so that
// the texts stay those of its form.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

using EnglishEntries = std::vector<std::string> (*)();

// The index of `text` among `names`, ignoring case; nothing when no entry has it.
std::optional<int> FindListEntry(const std::vector<std::string>& names, std::string_view text);

// The name of entry `index`, if the list has one.
std::optional<std::string> ListEntryName(const std::vector<std::string>& names, int index);

// A short description of the entries for messages: all of them for a short
// list, the first and the last for a long one.
std::string DescribeListEntries(const std::vector<std::string>& names);

}  // namespace quelmo
