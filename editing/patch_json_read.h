#pragma once
// The patch reader's parts kept apart from patch_json_read.cpp: the language part of a patch (its
// entries changed, removed and added, each found by key and rank), read by patch_json_language.cpp.

#include "editing/json_members.h"
#include "editing/patch.h"

#include <string>

namespace qira {

class language_reader : public json_member_reader {
  public:
    using json_member_reader::json_member_reader;
    // The member "language" at `where`.
    bool read(const at& where, language_patch& lp);

  private:
    bool read_entry_id(const at& where, entry_id& id);
    // A key or rank member of an entry's object (`done`: `name` was one).
    bool entry_id_member(const std::string& name, const at& where, entry_id& id, member_set& seen,
                         bool& done);
    bool entry_id_complete(const at& where, const member_set& seen);
    // A changed entry (`change`) or one removed or added (`placed`).
    bool read_entry(const at& where, entry_change* change, placed_entry* placed);
};

} // namespace qira
