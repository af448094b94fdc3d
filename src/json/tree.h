// A JSON text as a small flat tree with the byte offset of every value, built by an event
// parser; the reading visitor pulls values from it in the order the walk asks for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bacnapi::json {

enum class NodeKind : uint8_t { Null, False, True, Number, String, Object, Array };

// 24 bytes: a long list makes millions of nodes. The nodes are in the order of the text, each
// container followed by its whole subtree, so a container's children are found without a list
// of links: the first right after it, each next one after the subtree of the one before.
// Strings and numbers have text, objects and arrays children, never both, so the two share
// their words.
struct Node {
    NodeKind kind = NodeKind::Null;
    mutable bool used = false;             // taken by the reader as a member of its object
    uint32_t keyStart = 0, keyLength = 0; // member key in the pool (object members only)
    uint32_t start = 0;                    // string: text in the pool; number: in the source; else one past its subtree
    uint32_t length = 0;                   // string or number: text length; else child count
    uint32_t offset = 0;                   // byte offset of the value in the text

    bool container() const { return kind == NodeKind::Object || kind == NodeKind::Array; }
    uint32_t textStart() const { return start; }
    uint32_t textLength() const { return length; }
    uint32_t count() const { return length; }
};

static_assert(sizeof(Node) == 24, "a node keeps to three words");

struct Tree {
    std::vector<Node> nodes; // node 0 is the root
    std::string pool;        // keys and strings

    // The children of container p: first_child(p), then next_sibling of each, count() of them.
    static uint32_t first_child(uint32_t p) { return p + 1; }
    uint32_t next_sibling(uint32_t c) const { return nodes[c].container() ? nodes[c].start : c + 1; }
    const char* source = nullptr; // the text parsed, where numbers are read from
    // A string's text (in the pool, unescaped) or a number's (in the source text).
    const char* text(const Node& n) const { return (n.kind == NodeKind::Number ? source : pool.data()) + n.textStart(); }
    const char* key(const Node& n) const { return pool.data() + n.keyStart; }
};

// Parses NUL-terminated text (RFC 8259, UTF-8 validated, nesting at most maxDepth, less than
// 4 GiB). False on failure with *offset and *reason (a static phrase) set.
bool parse_tree(const char* text, size_t maxDepth, Tree* tree, uint64_t* offset, const char** reason);

// A JSON text read one value at a time, for reading a long list without a tree of all of it:
// each value read becomes nodes at the end of a tree (with their offsets in the whole text),
// which the caller cuts back before the next. The text must be well-formed UTF-8 and shorter
// than 4 GiB (the caller checks both first); every value read is checked as parse_tree checks
// the whole text. A failure says only that the text is not what was asked for: the caller
// reads the text again with parse_tree to learn where and why.
class Text {
public:
    Text(const char* text, size_t length, size_t maxDepth);
    ~Text();
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;

    size_t position() const { return pos_; }
    // Steps over blanks, then over c (or the token) when it comes next; true when it did.
    bool take(char c);
    bool take(std::string_view token);
    // Steps over blanks; true when c comes next.
    bool next_is(char c);
    // True when nothing but blanks is left.
    bool at_end();
    // The number of elements of the array whose '[' is next (after blanks; the position is left
    // there), found by scanning its text without reading it: exact for a well-formed array. A
    // broken one can be counted wrong, but never more than one element for each character.
    uint64_t count_elements();
    // Reads the next value (after blanks) into `tree`, `depth` levels of containers inside the
    // text's top level, and steps over it. False when it is not a well-formed value, or nests
    // deeper than the text may.
    bool value(Tree* tree, size_t depth);

private:
    struct Parsing;
    void skip_blanks();
    bool plain_number(Tree* tree);

    const char* text_;
    size_t length_;
    size_t maxDepth_;
    size_t pos_ = 0;
    std::unique_ptr<Parsing> parsing_; // the event reader and its stack, made for the first value that needs it
};

} // namespace bacnapi::json
