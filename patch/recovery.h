#pragma once
// What the editor keeps so that a session survives a crash: the changes since the files were
// opened or last saved, as a patch (PATCH-FORMAT.md) in a recovery file. The file is a patch file
// with one more top-level member, "recovery", written first, which a patch reader passes over:
//
//     "recovery": {"database": "/games/qira/data/cmn/qira.db", "database_crc32": 3735928559,
//                  "language": "/games/qira/data/cmn/fe/eng.db", "language_crc32": 195939070},
//
// the two files the changes start from (paths as UTF-8 bytes, written as texts are) and their
// CRC-32 as they were opened or saved, so that a later start can tell whether a file changed
// since. "language" is "" for a game opened without a language file.
//
// The base the patch is made from is kept parsed (a copy of the game as opened or saved), and
// only the tables and the language file that the steps since then touched are compared, so a
// write costs about what was changed, not the whole game.

#include "fileio/result.h"
#include "fileio/safe_file.h"
#include "patch/patch.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace qira {

// The two files a recovery's changes start from, and their CRC-32 then.
struct recovery_header {
    std::filesystem::path database;
    std::filesystem::path language; // empty: none
    std::uint32_t database_crc = 0;
    std::uint32_t language_crc = 0;
    friend bool operator==(const recovery_header&, const recovery_header&) = default;
};

// The header of the two files as they are on disk now (read whole for their checksums).
result_of<recovery_header> recovery_header_of(const std::filesystem::path& database,
                                              const std::filesystem::path& language);

// The same from the files' bytes as they were just read (none for the language: no language
// file), without reading them again.
recovery_header recovery_header_of(const std::filesystem::path& database,
                                   const std::filesystem::path& language,
                                   std::span<const std::uint8_t> database_bytes,
                                   std::span<const std::uint8_t> language_bytes);

// Which of the header's files are no longer what they were (a file that cannot be read counts
// as changed): each named by its path.
std::vector<std::filesystem::path> files_changed_since(const recovery_header& h);

// The game as the recovery's changes start from, with what the steps since then touched.
class recovery_base {
  public:
    recovery_base() = default;
    // A copy of the game just opened or saved (its language file as saving writes it).
    recovery_base(const open_game& game, recovery_header header);

    // A step was made, undone or redone: the tables and the language entries it touched are
    // compared from now on (a step undone leaves them compared, which costs only time).
    void note(const change& c);
    // The changes from the base to the game as it is now: the touched parts compared.
    result_of<patch> changes(const open_game& game) const;
    const recovery_header& header() const { return header_; }

  private:
    database db_;
    string_table lang_;
    bool has_language_ = false;
    recovery_header header_;
    patch_scope touched_{.tables = {}, .language = false};
};

// The recovery file's text: the patch with the header as its first member.
std::string recovery_to_json(const recovery_header& h, const patch& p);
// Writes the recovery file, replacing `path` whole or not at all.
result save_recovery_file(const std::filesystem::path& path, const recovery_header& h,
                          const patch& p, file_ops& ops = native_file_ops());

struct recovery_contents {
    recovery_header header;
    patch changes;
};

// The header member of a recovery file's text, read without the rest; not_a_patch (at the
// member) when it is missing or malformed, or the text is no JSON object.
result_of<recovery_header> recovery_header_from_json(std::string_view text);
// Reads a recovery file whole: its header and its patch, each checked; a refusal names the file.
result load_recovery_file(const std::filesystem::path& path, recovery_contents& out);

} // namespace qira
