// Building the tree with the event (SAX) reader of RapidJSON. The reader runs iteratively, so
// neither it nor the tree recurses; nesting deeper than the limit is refused as it opens.
#include "json/tree.h"

#include "json/json_text.h"

// The parser's internal stack starts as a null pointer and is compared after adding an offset
// to it, which the pointer-overflow check of clang's sanitizer reports although nothing is
// dereferenced; that one check is left out for the parser's own code.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((no_sanitize("pointer-overflow"))), apply_to = function)
#endif
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>
#if defined(__clang__)
#pragma clang attribute pop
#endif

#include <cstdlib>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <limits>
#include <new>

namespace bacnapi::json {

namespace {

// The parser's stack memory. The parser does not check for a refused allocation, so a refusal
// is thrown instead (bad_alloc, caught where the parser is called) rather than written through.
struct ParserAllocator {
    void* Malloc(size_t size)
    {
        if (size == 0) return nullptr;
        void* block = std::malloc(size);
        if (!block) throw std::bad_alloc();
        return block;
    }
    void* Realloc(void* block, size_t, size_t newSize)
    {
        if (newSize == 0) {
            std::free(block);
            return nullptr;
        }
        void* grown = std::realloc(block, newSize);
        if (!grown) throw std::bad_alloc();
        return grown;
    }
    static void Free(void* block) { std::free(block); }
};

using Parser = rapidjson::GenericReader<rapidjson::UTF8<>, rapidjson::UTF8<>, ParserAllocator>;

constexpr unsigned kFlags =
    rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;

// Blanks between tokens, as RFC 8259 has them.
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

struct Builder {
    Tree* tree = nullptr;
    const rapidjson::StringStream* stream = nullptr;
    uint32_t base = 0; // where the stream starts in the text
    size_t maxDepth = 0;
    bool tooDeep = false;
    bool tooLarge = false;
    bool hasKey = false;
    uint32_t keyStart = 0, keyLength = 0;
    // The containers being read, and the children read so far of each: kept by the caller, so
    // that reading value after value reuses their room.
    std::vector<uint32_t>& open;
    std::vector<uint32_t>& children;

    Builder(std::vector<uint32_t>& openContainers, std::vector<uint32_t>& childCounts)
        : open(openContainers), children(childCounts)
    {
        open.clear();
        children.clear();
    }

    // Where the value just read starts. Strings and numbers are read through a copy of the
    // stream that is written back only after their event, so during it Tell() is still at their
    // first character, and at a bracket while it opens; literals have been consumed: Tell() is
    // just past them.
    uint32_t token_start(NodeKind kind) const
    {
        const auto at = base + static_cast<uint32_t>(stream->Tell());
        switch (kind) {
        case NodeKind::Null:
        case NodeKind::True: return at - 4;
        case NodeKind::False: return at - 5;
        default: return at;
        }
    }

    bool store(const char* s, size_t n, uint32_t* start)
    {
        if (tree->pool.size() + n >= std::numeric_limits<uint32_t>::max()) {
            tooLarge = true;
            return false;
        }
        *start = static_cast<uint32_t>(tree->pool.size());
        tree->pool.append(s, n);
        return true;
    }

    bool add(NodeKind kind, const char* s = nullptr, size_t n = 0)
    {
        if (tree->nodes.size() >= std::numeric_limits<uint32_t>::max() - 1) {
            tooLarge = true;
            return false;
        }
        Node node;
        node.kind = kind;
        node.offset = token_start(kind);
        // A number stands in the text exactly as it is read: it is found there, not copied.
        if (kind == NodeKind::Number) node.start = node.offset;
        else if (s && !store(s, n, &node.start)) return false;
        node.length = static_cast<uint32_t>(n);
        if (hasKey) {
            node.keyStart = keyStart;
            node.keyLength = keyLength;
            hasKey = false;
        }
        const auto index = static_cast<uint32_t>(tree->nodes.size());
        tree->nodes.push_back(node);
        if (!open.empty()) ++children.back();
        if (node.container()) {
            if (open.size() >= maxDepth) {
                tooDeep = true;
                return false;
            }
            open.push_back(index);
            children.push_back(0);
        }
        return true;
    }

    bool close()
    {
        Node& node = tree->nodes[open.back()];
        node.start = static_cast<uint32_t>(tree->nodes.size());
        node.length = children.back();
        open.pop_back();
        children.pop_back();
        return true;
    }

    bool Null() { return add(NodeKind::Null); }
    bool Bool(bool b) { return add(b ? NodeKind::True : NodeKind::False); }
    // Numbers arrive as their text (kParseNumbersAsStringsFlag): each field converts it to its
    // own type, so that a Real reads as a float directly and no integer is rounded on the way.
    bool RawNumber(const char* s, rapidjson::SizeType n, bool) { return add(NodeKind::Number, s, n); }
    bool Int(int) { return false; }
    bool Uint(unsigned) { return false; }
    bool Int64(int64_t) { return false; }
    bool Uint64(uint64_t) { return false; }
    bool Double(double) { return false; }
    bool String(const char* s, rapidjson::SizeType n, bool) { return add(NodeKind::String, s, n); }
    bool StartObject() { return add(NodeKind::Object); }
    bool Key(const char* s, rapidjson::SizeType n, bool)
    {
        if (!store(s, n, &keyStart)) return false;
        keyLength = n;
        hasKey = true;
        return true;
    }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool StartArray() { return add(NodeKind::Array); }
    bool EndArray(rapidjson::SizeType) { return close(); }
};

} // namespace

bool parse_tree(const char* text, size_t maxDepth, Tree* tree, uint64_t* offset, const char** reason)
{
    tree->nodes.clear();
    tree->pool.clear();
    tree->source = text;
    const size_t length = std::strlen(text);
    if (length >= std::numeric_limits<uint32_t>::max()) {
        *offset = 0;
        *reason = "text too large";
        return false;
    }
    // The whole text is checked first: the parser's own check of a string can read past the end
    // of a text that stops inside a multi-byte character.
    const size_t valid = utf8_valid_prefix(text, length);
    if (valid != length) {
        *offset = valid;
        *reason = "string is not valid UTF-8";
        return false;
    }
    // Keys and strings never take more room than their text: the pool is made once.
    // Every value but the first opens a container or follows a ',', so the count of those bytes
    // bounds the nodes (commas inside strings only make the bound looser): the nodes are made
    // once too, never regrown and copied.
    tree->pool.reserve(length);
    size_t bound = 1;
    for (size_t i = 0; i < length; ++i) bound += text[i] == ',' || text[i] == '[' || text[i] == '{';
    tree->nodes.reserve(bound);
    rapidjson::StringStream stream(text);
    std::vector<uint32_t> open, children;
    Builder builder(open, children);
    builder.tree = tree;
    builder.stream = &stream;
    builder.maxDepth = maxDepth;
    Parser reader;
    const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, builder);
    if (result) return true;
    *offset = result.Offset();
    if (builder.tooDeep) *reason = "nesting too deep";
    else if (builder.tooLarge) *reason = "text too large";
    else if (result.Code() == rapidjson::kParseErrorStringInvalidEncoding) *reason = "string is not valid UTF-8";
    else *reason = rapidjson::GetParseError_En(result.Code());
    return false;
}

struct Text::Parsing {
    Parser reader;
    std::vector<uint32_t> open, children;
};

Text::Text(const char* text, size_t length, size_t maxDepth) : text_(text), length_(length), maxDepth_(maxDepth) {}

Text::~Text() = default;

void Text::skip_blanks()
{
    while (is_blank(text_[pos_])) ++pos_;
}

bool Text::take(char c)
{
    skip_blanks();
    if (text_[pos_] != c) return false;
    ++pos_;
    return true;
}

bool Text::take(std::string_view token)
{
    skip_blanks();
    if (token.size() > length_ - pos_ || std::memcmp(text_ + pos_, token.data(), token.size()) != 0) return false;
    pos_ += token.size();
    return true;
}

bool Text::next_is(char c)
{
    skip_blanks();
    return text_[pos_] == c;
}

bool Text::at_end()
{
    skip_blanks();
    return pos_ == length_;
}

namespace {

// Counting the elements of an array: the commas at the array's own level outside strings.
struct ElementCount {
    uint64_t commas = 0;
    size_t depth = 1;     // inside the array's '['
    bool inString = false;
    bool escaped = false; // the character before was a backslash inside a string

    // One character; true when it closes the array.
    bool step(char c)
    {
        if (inString) {
            if (escaped) escaped = false;
            else if (c == '\\') escaped = true;
            else if (c == '"') inString = false;
            return false;
        }
        switch (c) {
        case '"': inString = true; break;
        case '[':
        case '{': ++depth; break;
        case ']':
        case '}': return --depth == 0;
        case ',': commas += depth == 1; break;
        default: break;
        }
        return false;
    }
};

#if defined(__SSE2__)
unsigned mask_of(__m128i block, char c) { return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c)))); }

unsigned bits_set(unsigned x) // of 16 bits
{
    x = x - ((x >> 1) & 0x5555u);
    x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
    x = (x + (x >> 4)) & 0x0F0Fu;
    return (x + (x >> 8)) & 0x1Fu;
}
#endif

} // namespace

uint64_t Text::count_elements()
{
    skip_blanks();
    if (text_[pos_] != '[') return 0;
    size_t i = pos_ + 1;
    while (is_blank(text_[i])) ++i;
    if (text_[i] == ']') return 0;
    ElementCount count;
#if defined(__SSE2__)
    // Sixteen characters at a time. Where a block holds no backslash, the characters inside
    // strings are those after an odd number of quotes (the quotes' running parity, carried from
    // block to block); of the rest, only brackets and commas are looked at, one by one, and a
    // block without brackets just adds up its commas. A block with a backslash goes character by
    // character. A list of numbers has a comma every few characters and a list of records a
    // bracket or a quote every few: a branch per character would be mispredicted again and again.
    for (; length_ - i >= 16; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text_ + i));
        if (count.escaped || mask_of(block, '\\') != 0) {
            for (size_t k = 0; k < 16; ++k)
                if (count.step(text_[i + k])) return count.commas + 1;
            continue;
        }
        unsigned inside = mask_of(block, '"');
        inside ^= inside << 1;
        inside ^= inside << 2;
        inside ^= inside << 4;
        inside ^= inside << 8;
        if (count.inString) inside = ~inside;
        inside &= 0xFFFFu;
        count.inString = (inside >> 15) != 0;
        const unsigned brackets =
            (mask_of(block, '[') | mask_of(block, '{') | mask_of(block, ']') | mask_of(block, '}')) & ~inside;
        const unsigned commas = mask_of(block, ',') & ~inside;
        if (brackets == 0) {
            if (count.depth == 1) count.commas += bits_set(commas);
            continue;
        }
        for (unsigned marks = brackets | commas; marks != 0; marks &= marks - 1) {
            const char c = text_[i + static_cast<size_t>(__builtin_ctz(marks))];
            if (c == ',') count.commas += count.depth == 1;
            else if (c == '[' || c == '{') ++count.depth;
            else if (--count.depth == 0) return count.commas + 1;
        }
    }
#endif
    for (; i < length_; ++i)
        if (count.step(text_[i])) break;
    return count.commas + 1;
}

// A number in the plain form most lists hold (an optional minus, digits, an optional fraction,
// at most 40 characters) is taken where it stands: the event reader would accept it as it is.
// Anything else (exponents, leading zeros, long digit runs) is left to the event reader, which
// refuses what it must.
bool Text::plain_number(Tree* tree)
{
    const char* start = text_ + pos_;
    const char* p = start + (*start == '-');
    if (*p == '0') ++p;
    else if (*p >= '1' && *p <= '9') while (*p >= '0' && *p <= '9') ++p;
    else return false;
    if (*p == '.') {
        ++p;
        if (*p < '0' || *p > '9') return false;
        while (*p >= '0' && *p <= '9') ++p;
    }
    if (*p == 'e' || *p == 'E' || (*p >= '0' && *p <= '9') || p - start > 40) return false;
    if (tree->nodes.size() >= std::numeric_limits<uint32_t>::max() - 1) return false;
    Node node;
    node.kind = NodeKind::Number;
    node.offset = node.start = static_cast<uint32_t>(pos_);
    node.length = static_cast<uint32_t>(p - start);
    tree->nodes.push_back(node);
    pos_ += node.length;
    return true;
}

bool Text::value(Tree* tree, size_t depth)
{
    skip_blanks();
    if (plain_number(tree)) return true;
    if (!parsing_) parsing_ = std::make_unique<Parsing>();
    rapidjson::StringStream stream(text_ + pos_);
    Builder builder(parsing_->open, parsing_->children);
    builder.tree = tree;
    builder.stream = &stream;
    builder.base = static_cast<uint32_t>(pos_);
    builder.maxDepth = maxDepth_ > depth ? maxDepth_ - depth : 0;
    const rapidjson::ParseResult result =
        parsing_->reader.Parse<kFlags | rapidjson::kParseStopWhenDoneFlag>(stream, builder);
    if (!result) return false;
    pos_ += stream.Tell();
    return true;
}

} // namespace bacnapi::json
