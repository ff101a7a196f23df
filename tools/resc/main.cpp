// resc: packs a string table and/or a folder of pictures into a resource
// module file.
//
//   resc -o OUT [--strings TABLE.tsv] [--images DIR --type N]
//
// The table has one "id<TAB>text" line per string (UTF-8; the escapes \n,
// \t and a doubled backslash). The folder's pictures are named <id>.svg; other files are
// skipped. The output is written through a temporary file, so a failed run
// leaves no partial module.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ce/modules.h"
#include "ce/resource_module.h"
#include "string_table_file.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "resc: %s\n", message.c_str());
  return 1;
}

std::vector<std::byte> Bytes(std::string_view text) {
  const auto* begin = reinterpret_cast<const std::byte*>(text.data());
  return std::vector<std::byte>(begin, begin + text.size());
}

bool AddStrings(const std::filesystem::path& table, std::vector<ce::ResourceEntry>& entries, std::string& error) {
  vorna::res::StringTableResult result = vorna::res::LoadStringTable(table);
  if (!result.ok()) {
    error = table.string() + ":" + std::to_string(result.error_line) + ": " + result.error;
    return false;
  }
  for (const auto& entry : result.entries) entries.push_back({RT_STRING, entry.id, Bytes(entry.text)});
  return true;
}

bool AddImages(const std::filesystem::path& folder, uint32_t type, std::vector<ce::ResourceEntry>& entries,
               std::string& error) {
  std::error_code code;
  for (const auto& item : std::filesystem::directory_iterator(folder, code)) {
    if (item.path().extension() != ".svg") continue;
    std::string stem = item.path().stem().string();
    char* end = nullptr;
    unsigned long id = std::strtoul(stem.c_str(), &end, 10);
    if (stem.empty() || *end || id > 0xFFFFFFFFul) {
      error = item.path().string() + ": a picture's name must be its numeric id";
      return false;
    }
    std::ifstream in(item.path(), std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
      error = item.path().string() + ": cannot read";
      return false;
    }
    entries.push_back({type, static_cast<uint32_t>(id), Bytes(content)});
  }
  if (code) {
    error = folder.string() + ": " + code.message();
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path output;
  std::filesystem::path strings;
  std::filesystem::path images;
  long type = -1;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 >= argc) return Fail("missing value after " + arg);
    if (arg == "-o") output = argv[++i];
    else if (arg == "--strings") strings = argv[++i];
    else if (arg == "--images") images = argv[++i];
    else if (arg == "--type") type = std::strtol(argv[++i], nullptr, 0);
    else return Fail("unknown argument " + arg);
  }
  if (output.empty() || (strings.empty() && images.empty()))
    return Fail("usage: resc -o OUT [--strings TABLE.tsv] [--images DIR --type N]");
  if (!images.empty() && (type <= 0 || type > 0xFFFF || type == RT_STRING))
    return Fail("--images needs a --type from 1 to 65535 other than 6 (strings)");

  std::vector<ce::ResourceEntry> entries;
  std::string error;
  if (!strings.empty() && !AddStrings(strings, entries, error)) return Fail(error);
  if (!images.empty() && !AddImages(images, static_cast<uint32_t>(type), entries, error)) return Fail(error);
  auto packed = ce::PackResourceModule(std::move(entries));
  if (!packed) return Fail("duplicate ids or contents too large");

  std::error_code code;
  if (output.has_parent_path()) std::filesystem::create_directories(output.parent_path(), code);
  std::filesystem::path temp = output;
  temp += ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(packed->data()), static_cast<std::streamsize>(packed->size()));
    if (!out) return Fail("cannot write " + temp.string());
  }
  std::filesystem::rename(temp, output, code);
  if (code) return Fail("cannot write " + output.string() + ": " + code.message());
  return 0;
}
