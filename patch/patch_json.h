#pragma once
// A patch as a JSON document (described in patch/PATCH-FORMAT.md): written sorted and stable,
// one change to a line, and read back with every part checked before it is used. Texts are the
// stored bytes, a byte that is not part of valid UTF-8 as the escape \udcXX, as in the dumps.

#include "fileio/result.h"
#include "fileio/safe_file.h"
#include "patch/json_writer.h"
#include "patch/patch.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace qira {

inline constexpr std::string_view patch_format_name = "qira-db-patch";
inline constexpr int patch_format_version = 1;

// The document, ending with a line break.
std::string patch_to_json(const patch& p);
// The same written to a stream a table at a time, for a patch too large to hold at once (with
// make_patch_by_table): tables in index order, then `finish` once.
class patch_json_stream {
  public:
    explicit patch_json_stream(std::ostream& out);
    void table(const table_patch& tp);
    // The end of the document, with the language part when the games were compared with theirs.
    void finish(const language_patch* language);

  private:
    json_writer j_;
};

// Reads a document; never trusts it: malformed JSON, another format or version, a missing or
// mistyped member, or a value out of range is refused as not_a_patch, at the line and column of
// the JSON or the member ("tables[0].changed[3]") where it is.
result_of<patch> patch_from_json(std::string_view text);

// Reads the patch file at `path`; a refusal names the file ("mod.json is not a valid patch: ...").
result load_patch_file(const std::filesystem::path& path, patch& out);
// Writes the patch file, replacing `path` whole or not at all.
result save_patch_file(const std::filesystem::path& path, const patch& p,
                       file_ops& ops = native_file_ops());

} // namespace qira
