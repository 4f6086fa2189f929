#include "core_api/standin/BooksSplitter.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string_view>

#include <emmintrin.h>

namespace StandIn {

namespace {

constexpr std::size_t kBlockBytes = 1 << 20;
constexpr std::size_t kMaxKeyBytes = 64;
// Spaces kept for the text after a journal's last line break: a journal on one line keeps
// the columns after it only this far.
constexpr std::uint64_t kMaxColumnFill = 4096;

// Bytes that the journal scan stops at; everything else is skipped.
enum ByteClass : unsigned char { kPlain, kQuote, kBackslash, kOpen, kClose, kComma, kNewline };

struct ByteClasses {
    unsigned char of[256] = {};
    constexpr ByteClasses() {
        of[static_cast<unsigned char>('"')] = kQuote;
        of[static_cast<unsigned char>('\\')] = kBackslash;
        of[static_cast<unsigned char>('{')] = kOpen;
        of[static_cast<unsigned char>('[')] = kOpen;
        of[static_cast<unsigned char>('}')] = kClose;
        of[static_cast<unsigned char>(']')] = kClose;
        of[static_cast<unsigned char>(',')] = kComma;
        of[static_cast<unsigned char>('\n')] = kNewline;
    }
};
constexpr ByteClasses kClasses;

// Bits of the bytes of a 64-byte block that equal c.
std::uint64_t BitsOf(const __m128i (&v)[4], char c) {
    const __m128i needle = _mm_set1_epi8(c);
    std::uint64_t bits = 0;
    for (int k = 0; k < 4; ++k)
        bits |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v[k], needle))))
                << (16 * k);
    return bits;
}

// Bits of the bytes of a 64-byte block below 0x20.
std::uint64_t ControlBits(const __m128i (&v)[4]) {
    const __m128i highest = _mm_set1_epi8(0x1F);
    std::uint64_t bits = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i atMost = _mm_cmpeq_epi8(_mm_max_epu8(v[k], highest), highest);
        bits |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(atMost))) << (16 * k);
    }
    return bits;
}

// Bit i set when an odd number of bits at or below i are set in x.
std::uint64_t PrefixXor(std::uint64_t x) {
    for (int shift = 1; shift < 64; shift *= 2) x ^= x << shift;
    return x;
}

// A key as the parser will see it: escapes decoded (rare; through the JSON library).
std::string KeyText(const std::string& raw, bool escaped) {
    if (!escaped) return raw;
    auto decoded = nlohmann::json::parse("\"" + raw + "\"", nullptr, false);
    return decoded.is_string() ? decoded.get<std::string>() : raw;
}

class Splitter {
public:
    Splitter(const BooksInput& input, std::size_t linesPerChunk) : input_(input), linesPerChunk_(linesPerChunk) {}

    SplitBooks Run() {
        // Small books take a small block: the loader reads many of them in the tests.
        std::string block(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockBytes, input_.Size())), '\0');
        for (std::uint64_t offset = 0; offset < input_.Size(); offset += kBlockBytes) {
            std::size_t length = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockBytes, input_.Size() - offset));
            input_.Read(offset, length, block.data());
            std::size_t i = 0;
            while (i < length) i = inJournal_ ? ScanJournal(block.data(), i, length, offset) : Head(block[i], i, offset);
        }
        if (inJournal_) EndJournal(input_.Size(), nullptr);  // an unended list: the head parser reports it
        return std::move(out_);
    }

private:
    bool InRootObject() const { return !stack_.empty() && stack_[0] == '{'; }
    bool InDataSets() const { return stack_.size() == 2 && InRootObject() && stack_[1] == '[' && rootKey_ == "dataSets"; }
    bool InDataSet() const { return stack_.size() == 3 && stack_[1] == '[' && stack_[2] == '{' && InRootObject() && rootKey_ == "dataSets"; }

    // One byte outside the journal lists; returns the next position.
    std::size_t Head(char c, std::size_t i, std::uint64_t offset) {
        out_.head += c;
        if (inString_) {
            if (escape_) escape_ = false;
            else if (c == '\\') escape_ = keyEscaped_ = true;
            else if (c == '"') inString_ = false;
            if (inString_ || c != '"') Capture(c);
            return i + 1;
        }
        switch (c) {
        case '"':
            inString_ = true;
            capturing_ = !stack_.empty() && stack_.back() == '{' && stack_.size() <= 3;
            key_.clear();
            keyEscaped_ = keyTooLong_ = false;
            break;
        case ':':
            if (capturing_) {
                std::string key = keyTooLong_ ? std::string() : KeyText(key_, keyEscaped_);
                if (stack_.size() == 1) rootKey_ = std::move(key);
                else if (stack_.size() == 3) dataSetKey_ = std::move(key);
                capturing_ = false;
            }
            break;
        case ',':
            if (InDataSets()) ++dataSetIndex_;
            break;
        case '[':
            if (InDataSet() && dataSetKey_ == "journal") {
                stack_.push_back(c);
                BeginJournal(offset + i + 1);
                return i + 1;
            }
            if (stack_.size() == 1 && InRootObject() && rootKey_ == "dataSets") dataSetIndex_ = 0;
            stack_.push_back(c);
            break;
        case '{':
            if (InDataSets()) dataSetKey_.clear();
            stack_.push_back(c);
            break;
        case '}':
        case ']':
            if (!stack_.empty()) stack_.pop_back();
            break;
        default: break;
        }
        return i + 1;
    }

    void Capture(char c) {
        if (!capturing_) return;
        if (key_.size() == kMaxKeyBytes) keyTooLong_ = true;
        else key_ += c;
    }

    void BeginJournal(std::uint64_t contentBegin) {
        inJournal_ = true;
        journalDepth_ = stack_.size();
        journal_ = JournalExtent();
        journal_.dataSet = dataSetIndex_;
        chunk_ = JournalChunk{contentBegin, contentBegin, 0};
        commas_ = 0;
        newlines_ = 0;
        lastNewline_ = contentBegin - 1;
        inString_ = escape_ = false;
    }

    // The bytes of a journal list: only strings, nesting and the separating commas matter.
    // Blocks of 64 bytes without a backslash are classified all at once.
    std::size_t ScanJournal(const char* block, std::size_t i, std::size_t length, std::uint64_t offset) {
        while (inJournal_ && i + 64 <= length) i = ScanBlock(block, i, offset);
        if (!inJournal_) return i;
        return ScanBytes(block, i, length, offset);
    }

    std::size_t ScanBlock(const char* block, std::size_t i, std::uint64_t offset) {
        __m128i v[4];
        for (int k = 0; k < 4; ++k) v[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i + 16 * k));
        if (escape_ || BitsOf(v, '\\') != 0) return ScanBytes(block, i, i + 64, offset);
        const std::uint64_t quotes = BitsOf(v, '"');
        const std::uint64_t strings = PrefixXor(quotes) ^ (inString_ ? ~std::uint64_t{0} : 0);
        inString_ = (strings >> 63) != 0;
        if (const std::uint64_t controls = ControlBits(v) & strings; controls != 0)
            NoteControlByte(offset + i + static_cast<std::uint64_t>(__builtin_ctzll(controls)));
        std::uint64_t events = (BitsOf(v, '{') | BitsOf(v, '[') | BitsOf(v, '}') | BitsOf(v, ']') | BitsOf(v, ',')) & ~strings;
        std::uint64_t newlines = BitsOf(v, '\n');
        while (events != 0) {
            const int bit = __builtin_ctzll(events);
            events &= events - 1;
            const std::size_t at = i + static_cast<std::size_t>(bit);
            if (Event(block, at, offset)) {
                CountNewlines(newlines & ((std::uint64_t{1} << bit) - 1), offset + i);
                EndJournal(offset + at, &block[at]);
                return at + 1;
            }
        }
        CountNewlines(newlines, offset + i);
        return i + 64;
    }

    void NoteControlByte(std::uint64_t at) { journal_.controlByte = std::min(journal_.controlByte, at); }

    void CountNewlines(std::uint64_t bits, std::uint64_t blockOffset) {
        if (bits == 0) return;
        newlines_ += static_cast<std::size_t>(__builtin_popcountll(bits));
        lastNewline_ = blockOffset + 63 - static_cast<std::uint64_t>(__builtin_clzll(bits));
    }

    // A bracket or comma outside strings; true when it closes the journal list.
    bool Event(const char* block, std::size_t at, std::uint64_t offset) {
        switch (block[at]) {
        case '{':
        case '[': stack_.push_back(block[at]); return false;
        case ',':
            if (stack_.size() == journalDepth_ && ++commas_ % linesPerChunk_ == 0) {
                chunk_.end = offset + at;
                journal_.chunks.push_back(chunk_);
                chunk_ = JournalChunk{offset + at + 1, offset + at + 1, commas_};
            }
            return false;
        default:
            if (stack_.size() == journalDepth_) return true;
            stack_.pop_back();
            return false;
        }
    }

    std::size_t ScanBytes(const char* block, std::size_t i, std::size_t length, std::uint64_t offset) {
        for (; i < length; ++i) {
            unsigned char kind = kClasses.of[static_cast<unsigned char>(block[i])];
            if (kind == kNewline) {
                ++newlines_;
                lastNewline_ = offset + i;
            }
            if (inString_ && static_cast<unsigned char>(block[i]) < 0x20) NoteControlByte(offset + i);
            if (escape_) {  // the byte after a backslash in a string
                escape_ = false;
                continue;
            }
            if (kind == kPlain || kind == kNewline) continue;
            if (inString_) {
                if (kind == kBackslash) escape_ = true;
                else if (kind == kQuote) inString_ = false;
                continue;
            }
            if (kind == kQuote) {
                inString_ = true;
            } else if (kind != kBackslash && Event(block, i, offset)) {
                EndJournal(offset + i, &block[i]);
                return i + 1;
            }
        }
        return i;
    }

    void EndJournal(std::uint64_t closeAt, const char* close) {
        chunk_.end = closeAt;
        journal_.chunks.push_back(chunk_);
        journal_.lines = commas_ + 1;
        out_.journals.push_back(std::move(journal_));
        std::uint64_t fill = closeAt - (lastNewline_ + 1);
        out_.head.append(newlines_, '\n');
        out_.head.append(static_cast<std::size_t>(std::min(fill, kMaxColumnFill)), ' ');
        inJournal_ = false;
        // A list's closing bracket is never inside a string: the block scan may have left the
        // state of a later byte of its block.
        inString_ = escape_ = false;
        if (close == nullptr) return;
        out_.marks.emplace_back(out_.head.size(), closeAt);
        out_.head += *close;
        stack_.pop_back();
    }

    const BooksInput& input_;
    std::size_t linesPerChunk_;
    SplitBooks out_;
    std::string stack_;  // '{' and '[' of the open containers
    bool inString_ = false;
    bool escape_ = false;
    bool capturing_ = false;
    std::string key_;
    bool keyEscaped_ = false;
    bool keyTooLong_ = false;
    std::string rootKey_;
    std::string dataSetKey_;
    std::size_t dataSetIndex_ = 0;
    bool inJournal_ = false;
    std::size_t journalDepth_ = 0;
    JournalExtent journal_;
    JournalChunk chunk_;
    std::size_t commas_ = 0;
    std::size_t newlines_ = 0;
    std::uint64_t lastNewline_ = 0;
};

}  // namespace

std::uint64_t SplitBooks::FilePosition(std::uint64_t headPosition) const {
    auto after = std::upper_bound(marks.begin(), marks.end(), std::make_pair(headPosition, UINT64_MAX));
    if (after == marks.begin()) return headPosition;
    --after;
    return after->second + (headPosition - after->first);
}

SplitBooks SplitJournals(const BooksInput& input, std::size_t linesPerChunk) {
    return Splitter(input, linesPerChunk).Run();
}

}  // namespace StandIn
