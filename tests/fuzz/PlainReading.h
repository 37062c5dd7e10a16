// What a file and an entity text hold, read the plainest way, without the
// loader's buffers, joins in place or digit parsing: the fuzz targets hold
// the loader and the reference extraction to it, the sample-file test the
// loading of every sample file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plain {

struct File {
    // Some line begins with '#': the file loads.
    bool hasHashLine = false;
    // The highest number of an entity line, 0 without one.
    std::int32_t maxNumber = 0;
    // Every text in file order under its number: the header lines (before
    // the first entity line) under 0, each entity line with the lines up to
    // the next one under its number.
    std::vector<std::pair<std::int32_t, std::string>> texts;
};

// Lines end at a line feed (a carriage return right before it goes with
// it); a NUL byte reads as a middle dot. An entity line is '#', a number,
// blanks or tabs, then '='.
File ReadFile(std::string_view bytes);

// The numbers after every '#' but one at position 0, in text order.
std::vector<std::int32_t> References(std::string_view text);

} // namespace plain
