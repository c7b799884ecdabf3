#include "build.h"

#include "fields.h"

namespace qira {

int add_table(database& db, const table_spec& spec) {
    const int t = db.table_count();
    db_table table;
    table.name = spec.name;
    table.opaque_word = spec.opaque_word;
    table.key_count = static_cast<std::int32_t>(spec.keys.size());
    table.extra_count = static_cast<std::int32_t>(spec.extras.size());
    table.string_ref_count = static_cast<std::int32_t>(spec.strings.size());
    table.packed_count = static_cast<std::int32_t>(spec.packed.size());
    for (const auto* names : {&spec.keys, &spec.extras, &spec.strings})
        for (const auto& name : *names)
            table.fields.push_back({name, 0, 0, -1});
    for (const auto& p : spec.packed)
        table.fields.push_back({p.name, 0, p.descriptor_a, p.descriptor_b});
    db_overall o;
    o.block_word = spec.block_word;
    o.words_per_row = spec.words_per_row > 0 ? spec.words_per_row : words_for_fields(table, t);
    db.tables.push_back(std::move(table));
    db.overall.push_back(std::move(o));
    db.blocks.emplace_back();
    db.blocks.back().block_word = spec.block_word;
    db.blocks.back().words_per_row = db.overall.back().words_per_row;
    db.block_offsets.resize(db.tables.size() + 1);
    return t;
}

db_overall_data& add_row(database& db, int t) {
    db_overall& o = db.overall[t];
    o.rows.emplace_back();
    o.rows.back().values.assign(static_cast<std::size_t>(db.tables[t].packed_count), 0);
    o.row_count = static_cast<std::int32_t>(o.rows.size());
    return o.rows.back();
}

} // namespace qira
