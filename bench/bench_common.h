#pragma once
// What the benchmark steps share: the install under test, an opened game, a scratch folder,
// registration of steps, and the table printed at the end.

#include "dbfile/database.h"
#include "langfile/string_table.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <iomanip>
#include <map>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace qira::bench {

struct install {
    std::string name; // "game", "max", ...
    std::filesystem::path dir;
    std::filesystem::path db_path() const { return dir / "data" / "cmn" / "qira.db"; }
    std::filesystem::path lang_path() const { return dir / "data" / "cmn" / "fe" / "eng.db"; }
};

// Both files loaded as the editor loads them: the language file first, then the database.
struct opened {
    string_table lang;
    database db;
    bool open(const install& in) {
        return load_language_file(in.lang_path(), lang).ok() &&
               load_database(in.db_path(), &lang, db).ok();
    }
    // What "Save Changes" does, into another folder.
    bool save(const std::filesystem::path& dir) {
        if (!save_database(dir / "qira.db", db))
            return false;
        names_to_string_table(db, lang);
        return save_language_file(dir / "eng.db", lang).ok();
    }
};

class scratch_dir {
  public:
    scratch_dir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("qira-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~scratch_dir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::string step_name(const std::string& step, const install& in) {
    return step + "/" + in.name;
}

inline void register_step(const std::string& step, const install& in,
                          void (*fn)(benchmark::State&, const install&)) {
    benchmark::RegisterBenchmark(step_name(step, in).c_str(), fn, in)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(7)
        ->ReportAggregatesOnly(true)
        ->UseRealTime();
}

// The steps of a season update: pasting cells, the check of the references.
void register_season_steps(const install& in);
// qiradb as a process (diff, patch, rewrite --lang) and the core step of a small patch.
void register_process_steps(const install& in);

// The patch document of the process steps read and written, beside a JSON library's parse of it.
void register_json_steps(const install& in);

// A peak memory measured against a limit made of file sizes, or of what processes hold.
struct limit_row {
    std::string step;
    std::string install;
    std::int64_t peak_bytes = -1;
    std::int64_t limit_bytes = 0;
    std::string basis; // what the limit is made of, in words
};
// The peak memory of qiradb diff and patch of the install (empty without its second install).
std::vector<limit_row> process_memory(const install& in);
// The patch from the install to its second install (made with the process steps; empty when it
// could not be made).
std::filesystem::path other_install_patch(const install& in);
// Removes the second installs made for the process steps.
void release_process_inputs();

// The steps that need the window (tree build, player Apply, showing a team); empty without Qt.
void register_gui_steps(const install& in);
// Closes the windows the steps opened, while the application still runs.
void release_gui();

// Keeps the median real time (milliseconds) of every benchmark.
class median_collector : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& medians() const { return medians_; }

  private:
    std::map<std::string, double> medians_;
};

struct memory_row {
    std::string install;
    std::int64_t peak_bytes;
    std::int64_t file_bytes;
    std::int64_t undo_bytes = -1; // what 1000 undo steps of player Applies hold
};

inline void print_table(std::ostream& os, const std::vector<install>& installs,
                        const std::map<std::string, double>& medians,
                        const std::vector<memory_row>& memory,
                        const std::vector<limit_row>& limits) {
    const auto ms = [](double v) {
        std::ostringstream s;
        s << std::fixed << std::setprecision(v < 1 ? 3 : 2) << v << " ms";
        return s.str();
    };
    const auto find = [&](const std::string& step, const install& in) -> double {
        const auto it = medians.find(step_name(step, in));
        return it == medians.end() ? -1 : it->second;
    };
    struct target {
        const char* step;
        const char* reference;
        double game;
        double max;
        bool ratio; // the target is a ratio to the reference
    };
    const target targets[] = {
        {"open", "open floor (read bytes)", 8, 40, false},
        {"save", "save floor (write bytes)", 3, 3, true},
        {"tree build + exchange copy", nullptr, 30, 100, false},
        {"first tree build + exchange copy", nullptr, 30, 100, false},
        {"player Apply with relabelling", nullptr, 2, 5, false},
        {"show team", nullptr, 2, 5, false},
        {"undo + redo of a player Apply", nullptr, 4, 4, false},
        {"undo + redo of an exchange", nullptr, 4, 4, false},
        {"find keystroke", nullptr, 10, 10, false},
        {"grid: show the players table", nullptr, 30, 30, false},
        {"grid: sort by a column", nullptr, 50, 50, false},
        {"grid: filter keystroke", nullptr, 30, 30, false},
        {"grid: filter keystroke, 10000 indexes held", nullptr, 50, 50, false},
        {"grid: sort by a column, 10000 indexes held", nullptr, 50, 50, false},
        {"grid: show the team players with names", nullptr, 30, 30, false},
        {"grid: sort the team players by name", nullptr, 50, 50, false},
        {"grid: filter keystroke on player names", nullptr, 30, 30, false},
        {"drop-down of a player cell: open", nullptr, 100, 100, false},
        {"drop-down of a player cell: find keystroke", nullptr, 20, 20, false},
        {"CSV export of the players table", nullptr, 30, 30, false},
        {"CSV import of the players table", nullptr, 80, 80, false},
        {"diff (10000 changed values)", nullptr, 100, 100, false},
        {"patch apply (10000 changed values)", nullptr, 100, 100, false},
        {"patch apply (10 changed values)", nullptr, 50, 50, false},
        {"recovery write (10000 changed values)", nullptr, 50, 50, false},
        {"qiradb diff of two installs (process)", nullptr, 500, 500, false},
        {"qiradb patch of that diff (process)", nullptr, 1000, 1000, false},
        {"qiradb rewrite --lang (process)", "save floor (write bytes)", 0, 0, false},
        {"qiradb merge of two max games (process)", nullptr, 2000, 2000, false},
        {"patch document: read into the patch",
         "patch document: library SAX parse, UTF-8 checked (reference)", 0, 0, false},
        {"patch document: JSON checked only",
         "patch document: library SAX parse, UTF-8 checked (reference)", 0, 0, false},
        {"patch document: written from the patch",
         "patch document: library parse and write (reference)", 0, 0, false},
        {"window: Apply patch... of another install", nullptr, 1500, 1500, false},
        {"window: Save changes as patch... of it", nullptr, 1500, 1500, false},
        {"window: review of the patch of every row (opened)", nullptr, 1000, 1000, false},
        {"grid: paste of 10000 cells", nullptr, 100, 100, false},
        {"check of the references", nullptr, 50, 50, false},
        {"CSV import of the players table + 1000000 lines of empty fields", nullptr, 1000, 1000,
         false},
    };
    os << "\n| step | install | median | reference | ratio | target | met |\n"
          "|---|---|---|---|---|---|---|\n";
    for (const auto& t : targets)
        for (const auto& in : installs) {
            const double value = find(t.step, in);
            if (value < 0)
                continue;
            const double ref = t.reference ? find(t.reference, in) : -1;
            const double goal = in.name == "max" ? t.max : in.name == "game" ? t.game : -1;
            std::ostringstream ratio, aim;
            if (ref > 0)
                ratio << std::fixed << std::setprecision(1) << value / ref << "x";
            bool met = true;
            if (goal > 0) {
                aim << (t.ratio ? "within " : "under ") << goal << (t.ratio ? "x" : " ms");
                met = t.ratio ? ref > 0 && value / ref <= goal : value < goal;
            }
            os << "| " << t.step << " | " << in.name << " | " << ms(value) << " | "
               << (ref > 0 ? ms(ref) : "-") << " | " << (ref > 0 ? ratio.str() : "-") << " | "
               << (goal > 0 ? aim.str() : "-") << " | " << (goal > 0 ? (met ? "yes" : "NO") : "-")
               << " |\n";
        }
    for (const auto& m : memory) {
        const double mb = 1024.0 * 1024.0;
        const double limit = 2.0 * static_cast<double>(m.file_bytes) + 20 * mb;
        std::ostringstream peak, files, aim;
        peak << std::fixed << std::setprecision(1) << static_cast<double>(m.peak_bytes) / mb
             << " MB";
        files << std::fixed << std::setprecision(1) << static_cast<double>(m.file_bytes) / mb
              << " MB of files";
        aim << "under " << std::fixed << std::setprecision(1) << limit / mb << " MB";
        os << "| peak memory of qiradb rewrite --lang | " << m.install << " | "
           << (m.peak_bytes < 0 ? "failed" : peak.str()) << " | " << files.str() << " | - | "
           << aim.str() << " | "
           << (m.peak_bytes >= 0 && static_cast<double>(m.peak_bytes) < limit ? "yes" : "NO")
           << " |\n";
    }
    for (const auto& l : limits) {
        const double mb = 1024.0 * 1024.0;
        std::ostringstream peak, aim;
        peak << std::fixed << std::setprecision(1) << static_cast<double>(l.peak_bytes) / mb
             << " MB";
        aim << "under " << std::fixed << std::setprecision(1)
            << static_cast<double>(l.limit_bytes) / mb << " MB (" << l.basis << ")";
        os << "| " << l.step << " | " << l.install << " | "
           << (l.peak_bytes < 0 ? "failed" : peak.str()) << " | - | - | " << aim.str() << " | "
           << (l.peak_bytes >= 0 && l.peak_bytes < l.limit_bytes ? "yes" : "NO") << " |\n";
    }
    for (const auto& m : memory) {
        if (m.undo_bytes < 0)
            continue;
        std::ostringstream held;
        held << std::fixed << std::setprecision(2) << static_cast<double>(m.undo_bytes) / 1048576.0
             << " MB";
        os << "| memory of 1000 undo steps (player Apply) | " << m.install << " | " << held.str()
           << " | - | - | under 2 MB | " << (m.undo_bytes < 2 * 1048576 ? "yes" : "NO") << " |\n";
    }
}

} // namespace qira::bench
