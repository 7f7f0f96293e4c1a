// What a script sees of one quillset run, native or under Wine, and the one
// check of a case: the exit status, a text its output or errors hold, and
// optionally a JSON pointer into its standard output with the value there,
// the document's "exit" agreeing with the status.
#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

struct Outcome {
    int code = -1;
    std::string out, err;
};

inline void expectOutcome(const Outcome& run, const std::string& command, int code, const char* text,
                          const char* pointer, const char* json) {
    EXPECT_EQ(run.code, code) << command << "\n" << run.err;
    EXPECT_NE((run.out + run.err).find(text), std::string::npos) << command << "\n" << run.out << run.err;
    if (!pointer) return;
    const auto document = nlohmann::ordered_json::parse(run.out, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << command << "\n" << run.out;
    EXPECT_EQ(document.value(nlohmann::ordered_json::json_pointer(pointer), nlohmann::ordered_json()).dump(),
              json)
        << command;
    EXPECT_EQ(document["exit"], code) << command;
}
