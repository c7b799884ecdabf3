#pragma once
// Reading a JSON document into a structure of one's own, member by member, with json_cursor:
// where a member is (for messages), the members of an object seen so far, and the typed reads
// that stop at the first problem (a missing member, a value of the wrong type or out of range),
// named by where it is. The patch reader (patch_json_read.cpp) is built on it.

#include "fileio/result.h"
#include "patch/json_reader.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace qira {

// Where a member is in the document, put into words only for a message: "tables[0].changed[3]".
struct json_path {
    const json_path* parent = nullptr;
    std::string_view name{}; // a member's name (a literal); empty for an array's item
    std::size_t index = 0;

    json_path member(std::string_view n) const { return {this, n, 0}; }
    json_path item(std::size_t i) const { return {this, {}, i}; }
    std::string text() const {
        std::string out = parent != nullptr ? parent->text() : std::string();
        if (!name.empty()) {
            if (!out.empty())
                out += '.';
            out += name;
        } else if (parent != nullptr) {
            out += '[';
            out += std::to_string(index);
            out += ']';
        }
        return out;
    }
    // The object itself as a missing member's problem names it.
    std::string object() const {
        std::string t = text();
        return t.empty() ? "the document" : t;
    }
};

// A value whose kind is known only once its object is read (a field's before and after).
struct json_scalar {
    json_value::kind type = json_value::kind::null;
    std::int64_t integer = 0;
    std::string text;
};

// A member skipped to be read once its object ends: where its value starts.
struct json_later {
    std::size_t offset = 0;
    int depth = 0;
};

// The member names of an object that were seen, as bits.
class member_set {
  public:
    void see(int m) { bits_ |= 1u << m; }
    bool has(int m) const { return (bits_ & (1u << m)) != 0; }

  private:
    std::uint32_t bits_ = 0;
};

// The typed reads of a document's members. A reader derives from it and reads its structure; the
// first problem is kept in `error` (not_a_patch-like refusals with the member's place in
// `field`, the code given at construction) and every read after it fails.
class json_member_reader {
  public:
    json_member_reader(std::string_view text, json_cursor& c, result::code refusal)
        : text_(text), c_(&c), refusal_(refusal) {}

    result error = result::success();

  protected:
    // The bounds of the file's 32-bit words, as the members that hold them are read.
    static constexpr std::int64_t i32_min = std::numeric_limits<std::int32_t>::min();
    static constexpr std::int64_t i32_max = std::numeric_limits<std::int32_t>::max();
    static constexpr std::int64_t u32_max = std::numeric_limits<std::uint32_t>::max();

    using kind = json_value::kind;
    using at = json_path;

    // The problem at member `where`.
    bool fail(const at& where, wording what) { return fail_text(where.text(), std::move(what)); }
    bool fail_text(const std::string& where, wording what) {
        if (error)
            error = result::failure(refusal_, {.field = where}, std::move(what));
        return false;
    }
    bool missing(const at& object, std::string_view name) {
        return fail_text(object.object(), {QIRA_TR("qira::problem", "the member \"%1\" is missing"),
                                           {std::string(name)}});
    }
    bool expect(const at& where, kind type) {
        if (c_->peek() == type)
            return true;
        if (c_->failed())
            return false;
        static const marked_text expected[] = {QIRA_TR("qira::problem", "expected null"),
                                               QIRA_TR("qira::problem", "expected true or false"),
                                               QIRA_TR("qira::problem", "expected a whole number"),
                                               QIRA_TR("qira::problem", "expected a number"),
                                               QIRA_TR("qira::problem", "expected a text"),
                                               QIRA_TR("qira::problem", "expected an array"),
                                               QIRA_TR("qira::problem", "expected an object")};
        return fail(where, expected[static_cast<int>(type)]);
    }

    json_later skip_for_later() {
        const json_later l{c_->offset(), c_->depth()};
        c_->skip();
        return l;
    }
    // Reads a member skipped before, with a cursor of its own.
    template <typename Read> bool read_later(const json_later& l, Read&& read) {
        json_cursor sub(text_, l.offset, l.depth);
        json_cursor* outer = std::exchange(c_, &sub);
        const bool ok = read();
        c_ = outer;
        if (sub.failed() && error)
            error = sub.error();
        return ok && !sub.failed();
    }

    bool text(const at& where, std::string& out) {
        if (!expect(where, kind::string))
            return false;
        return c_->read_string(out);
    }

    // A whole number from `lo` to `hi`.
    bool integer(const at& where, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
        if (c_->peek() != kind::integer)
            return c_->failed() ? false
                                : fail(where, QIRA_TR("qira::problem", "expected a whole number"));
        bool whole = false;
        if (!c_->read_number(out, whole))
            return false;
        if (!whole)
            return fail(where, QIRA_TR("qira::problem", "expected a whole number"));
        if (out < lo || out > hi)
            return fail(where, {QIRA_TR("qira::problem", "%1 is out of range (%2 to %3)"),
                                {std::to_string(out), std::to_string(lo), std::to_string(hi)}});
        return true;
    }

    bool read_scalar(json_scalar& out) {
        out.type = c_->peek();
        switch (out.type) {
        case kind::string:
            out.text.clear();
            return c_->read_string(out.text);
        case kind::integer: {
            bool whole = false;
            if (!c_->read_number(out.integer, whole))
                return false;
            out.type = whole ? kind::integer : kind::other_number;
            return true;
        }
        default:
            return c_->skip();
        }
    }

    // An array of at most `most` items, each read by `item(at, index)`; `count` how many.
    template <typename Item>
    bool array(const at& where, std::size_t most, const wording& too_many, Item&& item,
               std::size_t& count) {
        if (!expect(where, kind::array) || !c_->enter_array())
            return false;
        count = 0;
        while (c_->next_item()) {
            if (count == most)
                return fail(where, too_many);
            if (!item(where.item(count), count))
                return false;
            ++count;
        }
        return !c_->failed();
    }
    // The same with exactly `exact` items.
    template <typename Item>
    bool exact_array(const at& where, std::size_t exact, const wording& problem, Item&& item) {
        std::size_t count = 0;
        if (!array(where, exact, problem, item, count))
            return false;
        return count == exact || fail(where, problem);
    }

    // An object whose members `member(name, known)` reads where it knows them (false at a
    // problem; `known` set when it read one); the others are passed over.
    template <typename Member> bool read_object(const at& where, Member&& member) {
        if (!expect(where, kind::object) || !c_->enter_object())
            return false;
        std::string name;
        while (c_->next_member(name)) {
            bool known = false;
            if (!member(name, known))
                return false;
            if (!known && !c_->skip())
                return false;
        }
        return !c_->failed();
    }

    std::string_view text_;
    json_cursor* c_;
    result::code refusal_;
};

} // namespace qira
