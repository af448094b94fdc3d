// A JSON text as a small flat tree with the byte offset of every value, built by an event
// parser; the reading visitor pulls values from it in the order the walk asks for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bacnapi::json {

enum class NodeKind : uint8_t { Null, False, True, Number, String, Object, Array };

// 24 bytes: a long list makes millions of nodes. Strings and numbers have text, objects and
// arrays children, never both, so the two share their words.
struct Node {
    NodeKind kind = NodeKind::Null;
    uint32_t keyStart = 0, keyLength = 0; // member key in the pool (object members only)
    uint32_t start = 0;                    // string or number: text in the pool; else first link
    uint32_t length = 0;                   // string or number: text length; else child count
    uint32_t offset = 0;                   // byte offset of the value in the text

    uint32_t textStart() const { return start; }
    uint32_t textLength() const { return length; }
    uint32_t first() const { return start; }
    uint32_t count() const { return length; }
};

struct Tree {
    std::vector<Node> nodes;      // node 0 is the root
    std::vector<uint32_t> links;  // children of objects and arrays, contiguous per parent
    std::string pool;             // keys, strings and number texts

    const Node& child(const Node& parent, uint32_t i) const { return nodes[links[parent.first() + i]]; }
    uint32_t child_index(const Node& parent, uint32_t i) const { return links[parent.first() + i]; }
    const char* text(const Node& n) const { return pool.data() + n.textStart(); }
    const char* key(const Node& n) const { return pool.data() + n.keyStart; }
};

// Parses NUL-terminated text (RFC 8259, UTF-8 validated, nesting at most maxDepth, less than
// 4 GiB). False on failure with *offset and *reason (a static phrase) set.
bool parse_tree(const char* text, size_t maxDepth, Tree* tree, uint64_t* offset, const char** reason);

} // namespace bacnapi::json
