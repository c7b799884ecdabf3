// The patch document of the process steps (every row of two installs) read and written by our own
// JSON code, beside what a well-kept JSON library does with the same bytes: a SAX parse of the
// document that keeps nothing, and the library's writer fed by that parse. The library cannot
// take our place (it turns the escape of a byte that is not UTF-8, \udc80 to \udcff, into the
// three bytes of a surrogate and takes every other lone surrogate too), so it is a reference
// only, measured when its headers are installed (Debian's rapidjson-dev).

#include "bench_common.h"
#include "patch/json_reader.h"
#include "patch/patch_json.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#if __has_include(<rapidjson/reader.h>)
#define QIRA_BENCH_LIBRARY 1
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#endif

namespace qira::bench {
namespace {

std::string document_of(const install& in) {
    std::ifstream file(other_install_patch(in), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void read_ours(benchmark::State& state, const install& in) {
    const std::string text = document_of(in);
    for (auto _ : state) {
        const result_of<patch> read = patch_from_json(text);
        if (!read.ok()) {
            state.SkipWithError("the document is no patch");
            return;
        }
        benchmark::DoNotOptimize(read.value.tables.data());
    }
}

void check_ours(benchmark::State& state, const install& in) {
    const std::string text = document_of(in);
    for (auto _ : state)
        if (!check_json(text)) {
            state.SkipWithError("the document is no JSON");
            return;
        }
}

void write_ours(benchmark::State& state, const install& in) {
    const result_of<patch> read = patch_from_json(document_of(in));
    for (auto _ : state)
        benchmark::DoNotOptimize(patch_to_json(read.value).data());
}

#ifdef QIRA_BENCH_LIBRARY

struct keep_nothing : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, keep_nothing> {};

void parse_library(benchmark::State& state, const install& in) {
    const std::string text = document_of(in);
    for (auto _ : state) {
        rapidjson::Reader reader;
        rapidjson::MemoryStream stream(text.data(), text.size());
        keep_nothing handler;
        if (!reader.Parse<rapidjson::kParseValidateEncodingFlag>(stream, handler)) {
            state.SkipWithError("the library refuses the document");
            return;
        }
    }
}

void rewrite_library(benchmark::State& state, const install& in) {
    const std::string text = document_of(in);
    for (auto _ : state) {
        rapidjson::Reader reader;
        rapidjson::MemoryStream stream(text.data(), text.size());
        rapidjson::StringBuffer out;
        out.Reserve(text.size());
        rapidjson::Writer<rapidjson::StringBuffer> writer(out);
        if (!reader.Parse<rapidjson::kParseValidateEncodingFlag>(stream, writer)) {
            state.SkipWithError("the library refuses the document");
            return;
        }
        benchmark::DoNotOptimize(out.GetString());
    }
}

#endif

} // namespace

void register_json_steps(const install& in) {
    if (in.name != "tiny" && in.name != "game" && in.name != "max")
        return;
    register_step("patch document: read into the patch", in, read_ours);
    register_step("patch document: JSON checked only", in, check_ours);
    register_step("patch document: written from the patch", in, write_ours);
#ifdef QIRA_BENCH_LIBRARY
    register_step("patch document: library SAX parse, UTF-8 checked (reference)", in,
                  parse_library);
    register_step("patch document: library parse and write (reference)", in, rewrite_library);
#endif
}

} // namespace qira::bench
