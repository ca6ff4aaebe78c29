// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace weir {

// One member of a JSON object: a string, a number (its text already written
// as JSON writes numbers: digits, a '.' whatever the file's decimal mark), or
// null for an answer that is missing.
struct JsonValue {
    enum class Kind { String, Number, Null };
    Kind kind = Kind::Null;
    std::string text; // UTF-8

    static JsonValue string(std::string text) { return {Kind::String, std::move(text)}; }
    // An empty text is a missing answer: null.
    static JsonValue number(std::string text)
    {
        return text.empty() ? JsonValue{} : JsonValue{Kind::Number, std::move(text)};
    }
    static JsonValue stringOrNull(std::string text)
    {
        return text.empty() ? JsonValue{} : JsonValue{Kind::String, std::move(text)};
    }
};

// A JSON string (RFC 8259): quotes, backslashes and control characters
// escaped, bytes that are not UTF-8 replaced as QString replaces them.
std::string jsonString(const std::string &text);

// A JSON object with its members in the order given (a record's columns
// keep their order).
std::string jsonObject(const std::vector<std::pair<std::string, JsonValue>> &members);

} // namespace weir
