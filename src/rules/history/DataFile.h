#pragma once
#include <string>
#include <string_view>
#include <vector>

// "veskor.dat": 32-bit little-endian signed lengths and raw CP932 bytes, no header:
// the folder (length, bytes), the entry count, then each entry (length, bytes).
namespace veskor {

struct DataFileContent {
    std::string folder;
    std::vector<std::string> entries;
};

// Parses a whole file. A file that is not a valid data file raises an Error naming
// `path`; nothing is read out of bounds and nothing is reserved beyond the file's size.
DataFileContent ParseDataFile(std::string_view bytes, const std::string& path);

// The bytes of the file for this folder and these entries.
std::string SerializeDataFile(const std::string& folder, const std::vector<std::string>& entries);

}  // namespace veskor
