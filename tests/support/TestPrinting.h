#pragma once

#include <QTest>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

// Readable failures for the standard types the tests compare.
namespace QTest {

template <> inline char* toString(const std::string& text) {
    return qstrdup(("\"" + text + "\"").c_str());
}

template <> inline char* toString(const std::vector<std::uint8_t>& bytes) {
    std::string out = std::to_string(bytes.size()) + " bytes:";
    for (std::size_t i = 0; i < bytes.size() && i < 48; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
        out += hex;
    }
    if (bytes.size() > 48) {
        out += " ...";
    }
    return qstrdup(out.c_str());
}

template <> inline char* toString(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (const auto& text : texts) {
        out += (out.size() > 1 ? ", \"" : "\"") + text + "\"";
    }
    return qstrdup((out + "]").c_str());
}

} // namespace QTest
