// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "app/json_text.h"

#include <QString>

#include <algorithm>
#include <cstdio>

namespace weir {

std::string jsonString(const std::string &text)
{
    const bool ascii
        = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string utf8 = ascii ? text : QString::fromStdString(text).toStdString();
    std::string json = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string jsonObject(const std::vector<std::pair<std::string, JsonValue>> &members)
{
    std::string json = "{";
    for (const auto &[name, value] : members) {
        if (json.size() > 1)
            json += ',';
        json += jsonString(name) + ':';
        switch (value.kind) {
        case JsonValue::Kind::String: json += jsonString(value.text); break;
        case JsonValue::Kind::Number: json += value.text; break;
        case JsonValue::Kind::Null: json += "null"; break;
        }
    }
    return json + '}';
}

} // namespace weir
