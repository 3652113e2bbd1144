#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "controls.h"

namespace dephlegmator {

// An edit that puts `inserted` (typed or pasted) between `head` and `tail`, the parts of a box's
// text before and after the selection it replaces. UTF-8.
struct Insertion {
    std::string head;
    std::string inserted;
    std::string tail;
};

// The typing limit of an input box in characters, from the layout table; 0 for none.
// Examples: Text1 → 5, Text2 → 2, Text6 → 0.
std::size_t TypingLimit(Box box);

// The number of characters (Unicode code points) of a UTF-8 text: "12,5" → 4, "°С" → 2.
std::size_t CharacterCount(std::string_view text);

// What a box with a typing limit of `limit` characters (0: none) keeps of an insertion: the head,
// as much of the inserted text as leaves room, and the tail. Examples, limit 4: "" + "12000" + ""
// → "1200"; "1" + "234" + "" → "1234"; "12" + "3" + "45" (a full box) → "1245".
std::string KeptWithinLimit(const Insertion& insertion, std::size_t limit);

}  // namespace dephlegmator
